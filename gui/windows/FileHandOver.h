#pragma once
// One Mirendo per working folder: a file opened from the desktop while Mirendo already runs in
// that folder is handed to the running program, which shows it, instead of a second program
// being refused. The running program listens on a local socket named after the user and folder.
// Plain Unix sockets: Qt's network module would cost every start its loading.
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace mirendo {

class FileHandOver : public QObject {
    Q_OBJECT
  public:
    // Listens for files handed over for `folder` (the program that holds the folder's lock, so
    // a socket left by a program that ended is taken over).
    explicit FileHandOver(const QString& folder, QObject* parent = nullptr);
    ~FileHandOver() override;
    bool isListening() const { return m_listener >= 0; }

    // The socket name for `folder`: per user, and per folder whatever its path's length.
    static QString ServerName(const QString& folder);
    // Where that socket lives: the temporary folder.
    static QString SocketPath(const QString& folder);

  signals:
    void fileHandedOver(const QString& path);

  private:
    void acceptConnections();
    // One line from a connection, the path; answered once it is complete.
    void readFrom(QSocketNotifier* connection);

    int m_listener = -1;
    QString m_path;
};

// Hands `path` to the program listening for `folder`; true once it has taken it.
bool HandOverFile(const QString& folder, const QString& path, int timeoutMs = 3000);

} // namespace mirendo
