#pragma once
// The windows' control handlers are private slots; a test that plays a handler without its
// control (a file clicked that has gone meanwhile, say) calls it by name through the meta-object
// system, as the windows' own connections reach it. A name that is no handler stops the program:
// the test is wrong, not the window.
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace mirendo::testing {

namespace detail {
inline void Require(bool invoked, const char* handler) {
    if (!invoked)
        qFatal("no handler %s", handler);
}
} // namespace detail

inline void InvokeHandler(QObject* window, const char* handler) {
    detail::Require(QMetaObject::invokeMethod(window, handler, Qt::DirectConnection), handler);
}
inline void InvokeHandler(QObject* window, const char* handler, const QString& text) {
    detail::Require(QMetaObject::invokeMethod(window, handler, Qt::DirectConnection, Q_ARG(QString, text)),
                    handler);
}
inline void InvokeHandler(QObject* window, const char* handler, int value) {
    detail::Require(QMetaObject::invokeMethod(window, handler, Qt::DirectConnection, Q_ARG(int, value)),
                    handler);
}

} // namespace mirendo::testing
