#include "fakes/fake_platform.h"

#include "system/reg_stuff.h"

namespace hv::fakes {

FakePlatform::FakePlatform()
{
    registry.key(reg::kHKeyCurrentUser, std::string(kRunKey));
}

} // namespace hv::fakes
