// The widget tests need one application object for the whole run. They
// run on Qt's offscreen platform, also when ctest lists them at build time.
#include "shared/settings_keys.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each run keeps its options file and log-in entries in a folder of its
    // own: ctest runs tests side by side, and they would share one file.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    // Nor may a skin the user keeps in ~/.local/share dress the windows.
    qputenv("XDG_DATA_HOME", QFile::encodeName(config.filePath("data")));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QString::fromUtf8(hv::settings::kApplication));
    QApplication::setOrganizationName(QString::fromUtf8(hv::settings::kOrganisation));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
