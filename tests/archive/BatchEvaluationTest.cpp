// Batch evaluation: splitting a pasted column, rows that agree with the single evaluation, the
// CSV and clipboard bytes, the table model and the name its table is saved under.
#include "core/curve/BatchEvaluation.h"
#include "ArchiveSamples.h"
#include "core/archive/ArchiveFile.h"
#include "core/archive/BatchSavePath.h"
#include "core/curve/EvaluateAtX.h"
#include "core/text/NumberText.h"
#include "windows/BatchTableModel.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace mirendo {
namespace {

using Tokens = std::vector<std::string_view>;

TEST(BatchEvaluation, SplitsOnLineEndsBlanksCommasAndTabs) {
    struct Case {
        const char* name;
        std::string_view text;
        Tokens tokens;
    };
    const std::vector<Case> cases = {
        {"empty", "", {}},
        {"separators only", " ,\t\r\n\r\n,, ", {}},
        {"one value", "1.5", {"1.5"}},
        {"spreadsheet column, CR LF", "1.5\r\n2\r\n3\r\n", {"1.5", "2", "3"}},
        {"LF and CR", "1\n2\r3", {"1", "2", "3"}},
        {"empty lines skipped", "\n\n1\r\n\r\n2\n\n", {"1", "2"}},
        {"mixed separators", "1, 2\t3 ,4\r\n 5", {"1", "2", "3", "4", "5"}},
        {"spreadsheet block of two columns", "1\t10\r\n2\t20\r\n", {"1", "10", "2", "20"}},
        {"ideographic blank", "1\u30002\u3000\u30003", {"1", "2", "3"}},
        {"text stays one token", "12abc -1E+03 x", {"12abc", "-1E+03", "x"}},
        {"other multibyte text kept", "\u3001 7", {"\u3001", "7"}},
        {"commas alone separate", "1,5\r\n", {"1", "5"}},
        {"decimal commas between blanks: the line whole", " 1,5 2,5\r\n3", {"1,5 2,5", "3"}},
        {"decimal commas after a number with a point", "1.2 34,5", {"1.2 34,5"}},
        {"the same in full-width digits", "\uFF11,\uFF15\t2", {"\uFF11,\uFF15\t2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitXValues(c.text), c.tokens) << c.name;
    // Random lines of values, with decimal points or decimal commas, between random separators:
    // the values come back one by one, or a line of decimal commas and blanks comes back whole.
    std::mt19937 random(8);
    const char* separators[] = {" ", ",", "\t", "  ", ", ", "\u3000", "\r\n"};
    for (int n = 0; n < 500; ++n) {
        std::string text, line;
        Tokens expected;
        std::vector<std::string> values;
        const bool commas = random() % 4 == 0;
        for (int v = 0, count = 1 + int(random() % 6); v < count; ++v)
            values.push_back(std::to_string(random() % 1000) + (commas ? "," : ".") +
                             std::to_string(random() % 100));
        for (const std::string& value : values)
            text += value + (&value == &values.back() ? "" : separators[random() % (commas ? 1 : 7)]);
        const Tokens tokens = SplitXValues(text);
        if (!commas) {
            ASSERT_EQ(tokens, Tokens(values.begin(), values.end())) << text;
        } else if (values.size() > 1) {
            ASSERT_EQ(tokens, Tokens{text}) << text;
        }
    }
}

TEST(BatchEvaluation, ANumberTokenIsTheSingleEvaluationAnyOtherIsRefused) {
    const std::vector<testing::Calculation> calcs = testing::CalculationsOfEveryMode();
    struct Case {
        int mode;
        std::string_view x;
        bool ok, extrapolated;
        bool notANumber; // refused unevaluated: the whole token is not one number
    };
    // Points: mode 1 X 0..5, mode 2 X 1..4, mode 3 X 0.5..100, mode 4 X 0.02..500.
    const std::vector<Case> cases = {
        {1, "2.5", true, false, false},    {1, "0", true, false, false},
        {1, "5", true, false, false},      {1, "-0.001", true, true, false},
        {1, "5.001", true, true, false},   {1, "abc", false, false, true},
        {1, "12abc", false, false, true},  {1, "1E+200", false, false, false},
        {1, "\uFF14", true, false, false}, {2, "3", true, false, false},
        {2, "0.5", true, true, false},     {2, "1E+10", true, true, false},
        {3, "0.5", true, false, false},    {3, "100", true, false, false},
        {3, "0.4", true, true, false},     {3, "1000", true, true, false},
        {3, "0", false, false, false},     {3, "-2", false, false, false},
        {3, "x", false, false, true},      {4, "0.02", true, false, false},
        {4, "0.01", true, true, false},
    };
    for (const Case& c : cases) {
        const Module1 s = testing::StateAfterCalculation(calcs[static_cast<std::size_t>(c.mode - 1)]);
        const std::vector<BatchRow> rows = EvaluateBatch(s, Tokens{c.x});
        ASSERT_EQ(rows.size(), 1u);
        const std::string where = "mode " + std::to_string(c.mode) + " X '" + std::string(c.x) + "'";
        EXPECT_EQ(std::tuple(rows[0].x, rows[0].ok, rows[0].notANumber, rows[0].extrapolated),
                  std::tuple(c.x, c.ok, c.notANumber, c.extrapolated))
            << where;
        if (c.notANumber) {
            EXPECT_EQ(rows[0].y, kBatchNotANumberText) << where;
            continue;
        }
        const Evaluation single = EvaluateAtX(s, c.x);
        EXPECT_EQ(single.ok, c.ok) << where;
        EXPECT_EQ(rows[0].y, c.ok ? single.text : std::string(kBatchRefusedText)) << where;
        EXPECT_EQ(rows[0].value, single.y) << where;
        EXPECT_EQ(single.extrapolated, c.extrapolated) << where;
    }
}

TEST(BatchEvaluation, APointsOwnXIsInsideDespiteTheArchivesRounding) {
    // The archive keeps ln 0.5 and ln 100 to six significant digits; typing 0.5 or 100 again
    // gives an ln just beyond the saved bounds.
    Module1 s = testing::StateAfterCalculation(testing::CalculationsOfEveryMode()[2]);
    for (int i = 1; i <= s.PointCount; ++i)
        s.ResultX[i] = std::stod(FormatExponential(s.ResultX[i], 5));
    ASSERT_LT(std::log(0.5), s.ResultX[1]);
    ASSERT_GT(std::log(100.0), s.ResultX[3]);
    for (const BatchRow& row : EvaluateBatch(s, Tokens{"0.5", "100"}))
        EXPECT_FALSE(row.extrapolated) << row.x;
    for (const BatchRow& row : EvaluateBatch(s, Tokens{"0.4999", "100.01"}))
        EXPECT_TRUE(row.extrapolated) << row.x;
}

TEST(BatchEvaluation, CsvAndClipboardBytes) {
    const std::string notANumber(kBatchNotANumberText);
    const std::vector<BatchRow> rows = {
        {"1.5", "2.250", true, false, false, 2.25},
        {"-5", "1.500E+03", true, true, false, 1500.0000000004},
        {"0", std::string(kBatchRefusedText), false, false},
        {"+2", "0.667", true, false, false, 2.0 / 3.0},
        {"=1+1", notANumber, false, false, true},
        {"@x", notANumber, false, false, true},
        {"3\"", notANumber, false, false, true},
    };
    EXPECT_EQ(FormatBatchCsv(rows), "X,Y,外挿\r\n"
                                    "1.5,2.25,\r\n"
                                    "-5,1500,外挿\r\n"
                                    "0,計算できません,\r\n"
                                    "+2,0.666666667,\r\n"
                                    "'=1+1,数値ではありません,\r\n"
                                    "'@x,数値ではありません,\r\n"
                                    "\"3\"\"\",数値ではありません,\r\n");
    EXPECT_EQ(FormatBatchTsv(rows), "X\tY\t外挿\n"
                                    "1.5\t2.25\t\n"
                                    "-5\t1500\t外挿\n"
                                    "0\t計算できません\t\n"
                                    "+2\t0.666666667\t\n"
                                    "'=1+1\t数値ではありません\t\n"
                                    "'@x\t数値ではありません\t\n"
                                    "\"3\"\"\"\t数値ではありません\t\n");
    EXPECT_EQ(FormatBatchCsv({}), "X,Y,外挿\r\n");
}

// A comparison curve adds a column named after its method, computed in the curve's mode: here the
// broken line through X = 1 and 4 on a logarithmic X axis, which has no value at X <= 0.
TEST(BatchEvaluation, ComparisonColumnNamedAfterTheMethod) {
    std::vector<BatchRow> rows = {
        {"2", "0.500", true, false, false, 0.5},
        {"-5", std::string(kBatchRefusedText), false, false},
        {"x", std::string(kBatchNotANumberText), false, false, true},
    };
    ComparisonCurve curve;
    ASSERT_TRUE(curve.init(ComparisonMethod::Linear, std::vector<double>{0, std::log(4.0)},
                           std::vector<double>{0, 4}));
    AddComparison(rows, curve, 3);
    EXPECT_EQ(rows[0].comparison, "2.000");
    EXPECT_EQ(FormatBatchCsv(rows, BatchDirection::XToY, ComparisonMethodName(curve.method())),
              "X,Y,折れ線,外挿\r\n"
              "2,0.5,2,\r\n"
              "-5,計算できません,計算できません,\r\n"
              "x,数値ではありません,,\r\n");
    EXPECT_TRUE(FormatBatchTsv(rows, BatchDirection::XToY, "折れ線").starts_with("X\tY\t折れ線\t外挿\n"));
}

TEST(BatchTableModel, ShowsRowsWithTheMarkInOneReset) {
    BatchTableModel model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    model.setRows(
        {{"1", "1.000", true, false}, {"9", "81.000", true, true}, {"x", "計算できません", false, false}});
    EXPECT_EQ(std::tuple(resets.count(), inserts.count()), std::tuple(1, 0));
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "X");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Y");
    const QString shown[3][2] = {{"1", "1.000"}, {"9", "81.000 外挿"}, {"x", "計算できません"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            for (const int role : {int(Qt::DisplayRole), int(Qt::AccessibleTextRole)})
                EXPECT_EQ(model.data(model.index(r, c), role).toString(), shown[r][c]) << r << "," << c;
    EXPECT_FALSE(model.data(model.index(1, 1), Qt::AccessibleDescriptionRole).toString().isEmpty());
    EXPECT_FALSE(model.data(model.index(3, 0)).isValid());
}

TEST(BatchSavePath, NamesBesideTheArchive) {
    const struct {
        const char *typed, *archive, *path;
        std::optional<BatchNameRefusal> refusal;
    } rows[] = {
        {"table", "/w/a-Mi.csv", "/w/table.csv", {}},
        {"sub/t.txt", "/w/a-Mi.csv", "/w/sub/t.txt", {}},
        {"/x/t", "/w/a-Mi.csv", "/x/t.csv", {}},
        {"t", "", "/cwd/t.csv", {}},
        {"dir/", "/w/a-Mi.csv", "/w/dir/", {}},
        {"a-mi", "/w/a-Mi.csv", "/w/a-mi.csv", BatchNameRefusal::ArchiveName},
        {"", "/w/a-Mi.csv", "", BatchNameRefusal::NoName},
    };
    for (const auto& row : rows) {
        const BatchSaveTarget target = BatchSavePath(row.typed, row.archive, "/cwd");
        EXPECT_EQ(std::tuple(target.path, target.refusal), std::tuple(row.path, row.refusal)) << row.typed;
    }
}

// Against the same rules written with Qt's file names, over random names of the characters that
// matter to them.
TEST(BatchSavePath, AgreesWithQtsFileNames) {
    const std::string current = QDir::currentPath().toStdString();
    const char* const archives[] = {"", "/w/a-Mi.csv", "/w.d/x", "/a-Mi.csv", "rel/b-MI.CSV", "c.tar.gz"};
    const std::vector<std::string> letters = {"a", ".", "/", "-", "M", "i", "C",
                                              "S", "V", "c", "s", "v", " ", "é"};
    std::mt19937 random(7);
    for (int n = 0; n < 3000; ++n) {
        std::string typed;
        for (int k = int(random() % 12); k > 0; --k)
            typed += letters[random() % letters.size()];
        typed += random() % 3 ? "" : random() % 2 ? "-mi" : "-MI.Csv"; // an archive's name, maybe
        const QString archive = QString::fromUtf8(archives[random() % std::size(archives)]);
        const QFileInfo archived(archive);
        QString path = QString::fromStdString(typed);
        if (QFileInfo(path).isRelative())
            path = QDir(archive.isEmpty() ? QDir::currentPath() : archived.absolutePath()).filePath(path);
        if (QFileInfo(path).suffix().isEmpty() && !path.endsWith(QLatin1Char('/')))
            path += QStringLiteral(".csv");
        const bool archiveName =
            QFileInfo(path).fileName().endsWith(QString::fromLatin1(kArchiveSuffix), Qt::CaseInsensitive);
        const BatchSaveTarget target = BatchSavePath(typed, archive.toStdString(), current);
        if (typed.empty())
            EXPECT_EQ(target.refusal, BatchNameRefusal::NoName);
        else
            EXPECT_EQ(std::tuple(QString::fromStdString(target.path),
                                 target.refusal == BatchNameRefusal::ArchiveName),
                      std::tuple(path, archiveName))
                << typed << " beside " << archive.toStdString();
        const QString proposed =
            archive.isEmpty()
                ? QString()
                : archived.dir().filePath(archived.completeBaseName() + QStringLiteral("-batch.csv"));
        EXPECT_EQ(QString::fromStdString(ProposedBatchPath(archive.toStdString())), proposed)
            << archive.toStdString();
    }
}

} // namespace
} // namespace mirendo
