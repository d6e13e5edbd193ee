// The main() of every widget test: offscreen, with settings kept away from the real home folder.
// The platform is set here, not only through CTest, because test discovery runs the binary at
// build time without CTest's environment.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
