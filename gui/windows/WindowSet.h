#pragma once
// Every window of the program, created once and owned here, and the wiring between them: the
// dialogs hand over by signals and the owner of the controls updates them.
#include "Module1.h"

#include <QObject>
#include <QString>

#include <memory>

namespace mirendo {

class EngineRunner;
class Form1;
class Form2;
class Form4;
class Form5;
class Form6;
class Form9;
class Form10;
class Form11;

class WindowSet : public QObject {
    Q_OBJECT
public:
    // `engineFolder`: where to look for Ventrel before PATH (Mirendo's own folder when empty).
    explicit WindowSet(Module1& state, const QString& engineFolder = QString(), QObject* parent = nullptr);
    ~WindowSet() override;

    Form1* form1() const { return m_form1.get(); }
    Form2* form2() const { return m_form2.get(); }
    Form4* form4() const { return m_form4.get(); }
    Form5* form5() const { return m_form5.get(); }
    Form6* form6() const { return m_form6.get(); }
    Form9* form9() const { return m_form9.get(); }
    Form10* form10() const { return m_form10.get(); }
    Form11* form11() const { return m_form11.get(); }
    EngineRunner* engineRunner() const { return m_runner; }

signals:
    // The start window asked to end the program (files already deleted).
    void exitRequested();

private:
    void wireStartWindow();
    void wireMainWindow();
    void wireInputDialogs();
    void wireArchiveDialogs();

    Module1& m_state;
    EngineRunner* m_runner;
    // Destroyed in reverse order: dialogs before the windows they were wired to.
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form9> m_form9;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<Form10> m_form10;
    std::unique_ptr<Form11> m_form11;
    std::unique_ptr<Form5> m_form5;
    std::unique_ptr<Form4> m_form4;
    std::unique_ptr<Form6> m_form6;
};

} // namespace mirendo
