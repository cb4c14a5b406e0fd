#include "fakes/fake_platform.h"

namespace hv::fakes {

FakePlatform::FakePlatform()
{
    fillCatalogue(registry);
}

} // namespace hv::fakes
