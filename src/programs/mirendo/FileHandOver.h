#pragma once
// One Mirendo per working folder: a file opened from the desktop while Mirendo already runs in
// that folder is handed to the running program, which shows it, instead of a second program
// being refused. The running program listens on a local socket named after the folder, in a
// folder that is this user's alone (the runtime folder), and each end takes a path only from a
// peer of the same user. Plain Unix sockets: Qt's network module would cost every start its
// loading.
#include "qt/messages/Messages.h"

#include <QObject>
#include <QString>

#include <optional>

class QSocketNotifier;

namespace mirendo {

// The folder of this user's hand-over sockets: $XDG_RUNTIME_DIR when it names an absolute path,
// else "mirendo-<user id>" in the temporary folder. Trusted only as a real folder (no link)
// owned by this user that no one else may enter or list (no group or other rights): anyone who
// could write there could take the name, or read the paths handed over.
struct HandOverFolder {
    QString path;
    std::optional<HandOverTrouble> trouble; // set: the folder is not to be used
};
// `create`: the folder is made (mode 0700) when missing.
HandOverFolder FindHandOverFolder(bool create);

class FileHandOver : public QObject {
    Q_OBJECT
  public:
    // Listens for files handed over for `folder` (the program that holds the folder's lock, so
    // a socket left there by a program that ended is taken over).
    explicit FileHandOver(const QString& folder, QObject* parent = nullptr);
    ~FileHandOver() override;
    bool isListening() const { return m_listener >= 0; }
    // Why it does not listen, and the socket folder concerned.
    std::optional<HandOverTrouble> trouble() const { return m_trouble; }
    const QString& socketFolder() const { return m_folder; }

    // The socket name for `folder` in the user's hand-over folder, whatever its path's length.
    static QString ServerName(const QString& folder);
    // Where that socket lives: in the hand-over folder; empty when that folder is not trusted.
    static QString SocketPath(const QString& folder);

  signals:
    void fileHandedOver(const QString& path);

  private:
    void acceptConnections();
    // One line from a connection, the path; answered once it is complete.
    void readFrom(QSocketNotifier* connection);

    int m_listener = -1;
    QString m_path;
    QString m_folder;
    std::optional<HandOverTrouble> m_trouble;
};

// Hands `path` to the program listening for `folder`; true once it has taken it. Nothing is sent
// unless the socket is in a trusted hand-over folder, belongs to this user, and the program
// listening on it runs as this user.
bool HandOverFile(const QString& folder, const QString& path, int timeoutMs = 3000);

} // namespace mirendo
