#include "widgets/WriteFailureText.h"

#include <cerrno>

namespace mirendo {

namespace {

// Longer paths lose their middle, so the box stays narrower than the screen; the end, with the
// file's name, stays.
constexpr qsizetype kShownPathHead = 30;
constexpr qsizetype kShownPathTail = 50;

QString ShownPath(const QString& path) {
    if (path.size() <= kShownPathHead + kShownPathTail + 1)
        return path;
    return path.left(kShownPathHead) + QStringLiteral("…") + path.right(kShownPathTail);
}

QString Cause(int code) {
    switch (code) {
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます");
    case EACCES:
    case EPERM:
        return QStringLiteral("この場所に書き込む権限がありません");
    case EROFS:
        return QStringLiteral("書き込みのできない場所です");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が足りません");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("保存先のフォルダがありません");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります");
    case EINVAL:
    case EILSEQ:
        return QStringLiteral("この名前はファイル名に使えません");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("ファイルが使用中です");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます");
    case EIO:
        return QStringLiteral("ディスクの読み書きに失敗しました");
    default:
        break;
    }
    return QStringLiteral("ファイルを書き込めません（エラー番号 %1）").arg(code);
}

} // namespace

QString WriteFailureText(const QString& path, int code) {
    return QStringLiteral("  ") + ShownPath(path) + QStringLiteral("  \n  ") + Cause(code) +
           QStringLiteral("  ");
}

} // namespace mirendo
