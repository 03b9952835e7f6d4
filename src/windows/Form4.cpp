#include "windows/Form4.h"
#include "widgets/FolderLists.h"

#include "core/archive/ArchiveWriter.h"
#include "core/text/NumberText.h"
#include "qt/messages/Messages.h"
#include "widgets/MessageBox.h"
#include "widgets/PendingEvents.h"

#include <QByteArray>

namespace mirendo {

// The lists open on the working folder of its drive; clicking a file name does nothing, the list
// only shows what already exists.
Form4::Form4(Module1& state, QWidget* parent)
    : SaveNameDialog("Form4", QStringLiteral("Data save"), QStringLiteral(":/forms/Form4.tsv"),
                     {QString::fromLatin1(kArchivePattern)}, parent),
      m_state(state) {
    folderLists()->setCaseSensitive(true);
}

void Form4::setSource(std::function<std::optional<ArchiveSource>()> source) {
    m_source = std::move(source);
}

void Form4::Command1_Click() {
    const QString path = targetPath(QString::fromLatin1(kArchiveSuffix));
    if (path.isEmpty())
        return;

    std::optional<ArchiveSource> source = m_source ? m_source() : std::nullopt;
    if (!source) {
        ShowMessage(this, PaddedLines(tr("保存できません：表示中のデータや設定が計算結果と一致しません\n⑤ "
                                         "から計算し直してから保存して下さい"),
                                      kWideMargin));
        return;
    }
    // A box read full-width digits as digits; the file keeps them as the ASCII the browser reads.
    for (std::string& text : source->settings)
        text = HalfWidthNumberText(text);
    // Checked with the browser's own reader: a file it would refuse is not written.
    const ArchiveFormat format = FormatArchiveForSave(source->state, source->settings);
    if (!format.ok()) {
        ShowMessage(this, ArchiveSaveMessage(*format.failure, source->settings));
        return;
    }
    if (!save(path, QByteArray::fromStdString(format.value), tr("  補間データを保存できませんでした")))
        return;
    m_state.FilePath = path.toStdString();
    emit archiveSaved();
    LetPendingPaintsThrough();
    ShowMessage(this, PaddedLines(tr("補間データは保存されました"), kTwoBlankMargin), MessageIcon::None);
    hide();
}

} // namespace mirendo
