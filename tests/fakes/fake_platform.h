#pragma once
// Fakes of every port the core talks to, bundled as one Platform. They write
// what reached them into a shared log so a test can check the order of
// calls across ports, and they let a test fire window events the way the
// front-end does.
#include "fakes/fake_services.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_window.h"
#include "fakes/fake_zone_catalogue.h"
#include "platform/platform.h"

namespace hv::fakes {

// All the fakes, and the Platform bundle the core is handed.
struct FakePlatform {
    Log log;
    FakeSettingsStore settings;
    FakeWindowFactory windows{log};
    FakeMessageBoxes boxes{log};
    FakeColourDialog colourDialog{log};
    FakeEventPump events{log};
    FakeLifetime lifetime{log};
    FakeTimeOfDay timeOfDay;
    FakeKeepAwake keepAwake{log};
    FakeZoneCatalogue zones;
    FakeFileSystem files;
    FakeLogInStart logInStart;
    FakeMonitors monitors;
    Platform platform{settings, windows, boxes, colourDialog, events, lifetime, timeOfDay, keepAwake, zones, files,
        logInStart, monitors};
};

} // namespace hv::fakes
