// A failed write told in Japanese: the path, then a cause of our own wording for every error
// number the system can give, never its English text.
#include "widgets/WriteFailureText.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace mirendo {
namespace {

TEST(WriteFailureText, EveryErrorNumberGivesThePathAndACauseWithoutLatinLetters) {
    const QString path = QStringLiteral("/home/u/データ/06-01-2026-Mi.csv");
    for (int code = 1; code < 134; ++code) {
        const QStringList lines = WriteFailureText(path, code).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2) << code;
        EXPECT_EQ(lines[0], QStringLiteral("  ") + path + QStringLiteral("  "));
        EXPECT_FALSE(lines[1].contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << code << " " << lines[1].toStdString();
    }
}

} // namespace
} // namespace mirendo
