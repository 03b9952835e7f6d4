// Widget tests run headless; an unexpected message box fails the test instead of waiting.
#include "widgets/MessageBox.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    mirendo::SetMessageHook([](const QString& text, mirendo::MessageIcon) {
        ADD_FAILURE() << "unexpected message box: " << text.toStdString();
    });
    return RUN_ALL_TESTS();
}
