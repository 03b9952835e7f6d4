#include "windows/FormChartSave.h"

#include "widgets/MessageBox.h"

namespace mirendo {

FormChartSave::FormChartSave(QWidget* parent)
    : SaveNameDialog("FormChartSave", tr("点ファイル保存"), QStringLiteral(":/forms/FormChartSave.tsv"),
                     {QStringLiteral("*.csv")}, parent) {}

void FormChartSave::open(const QString& proposedName, const QByteArray& bytes) {
    m_bytes = bytes;
    openWithName(proposedName);
}

void FormChartSave::Command1_Click() {
    const QString path = targetPath(QStringLiteral(".csv"));
    if (path.isEmpty() || !save(path, m_bytes, tr("  点ファイルを保存できませんでした")))
        return;
    hide();
}

} // namespace mirendo
