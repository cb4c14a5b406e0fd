// The widget tests need one application object for the whole run. They
// run on Qt's offscreen platform, also when ctest lists them at build time.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests write and delete the options file: started without ctest's
    // config folder, they get a temporary one instead of the user's.
    std::optional<QTemporaryDir> configHome;
    if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        configHome.emplace();
        qputenv("XDG_CONFIG_HOME", configHome->path().toUtf8());
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
