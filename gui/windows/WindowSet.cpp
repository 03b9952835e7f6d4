#include "WindowSet.h"

#include "EngineRunner.h"
#include "Form1.h"
#include "Form10.h"
#include "Form11.h"
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "Form6.h"
#include "Form9.h"

#include "ResultFile.h"

#include <QDir>
#include <QFile>

namespace mirendo {

WindowSet::WindowSet(Module1& state, const QString& engineFolder, QObject* parent)
    : QObject(parent), m_state(state), m_runner(new EngineRunner(engineFolder, this)) {
    // The start window first: creating it is the program's load (Ln10, GraphDrawn).
    m_form2 = std::make_unique<Form2>(m_state);
    m_form9 = std::make_unique<Form9>(QDir::currentPath());
    m_form1 = std::make_unique<Form1>(m_state, m_runner);
    m_form10 = std::make_unique<Form10>(m_state, m_form9.get());
    m_form11 = std::make_unique<Form11>(m_state);
    m_form5 = std::make_unique<Form5>(m_state);
    m_form4 = std::make_unique<Form4>(m_state);
    m_form6 = std::make_unique<Form6>(m_state, m_form5.get());
    wireStartWindow();
    wireMainWindow();
    wireInputDialogs();
    wireArchiveDialogs();
}

WindowSet::~WindowSet() = default;

void WindowSet::wireStartWindow() {
    connect(m_form2.get(), &Form2::newCalculationRequested, this, [this] {
        m_form1->ResetMainWindow();
        m_form1->show();
        m_form2->hide();
        m_form9->hide();
    });
    connect(m_form2.get(), &Form2::browserRequested, this, [this] {
        m_form6->prepare();
        m_form6->show();
        m_form2->hide();
        m_form9->hide();
    });
    connect(m_form2.get(), &Form2::helpRequested, this, [this] { m_form9->show(); });
    connect(m_form2.get(), &Form2::exitRequested, this, [this] {
        // An engine still running would write its result after the start window removed it.
        if (m_runner->isRunning()) {
            m_runner->stop();
            QFile::remove(QDir(QDir::currentPath()).filePath(QString::fromLatin1(exchange::kResultFileName)));
        }
        emit exitRequested();
    });
}

void WindowSet::wireMainWindow() {
    connect(m_form1.get(), &Form1::inputDialogsResetRequested, this, [this] {
        m_form10->prepare();
        m_form11->resetForMainWindowReset();
    });
    connect(m_form1.get(), &Form1::fileInputRequested, this, [this] {
        m_form10->prepare();
        m_form10->show();
    });
    connect(m_form1.get(), &Form1::manualEntryRequested, this, [this] { m_form11->openForEntry(); });
    connect(m_form1.get(), &Form1::backToStartRequested, this, [this] { m_form2->show(); });
    connect(m_form1.get(), &Form1::dataSaveRequested, this, [this](const QString& name) { m_form4->openWith(name); });
    connect(m_form1.get(), &Form1::imageSaveRequested, this, [this](const QString& name) { m_form5->openWith(name); });
}

void WindowSet::wireInputDialogs() {
    Form1* main = m_form1.get();
    connect(m_form10.get(), &Form10::readStarted, main, [main] {
        main->enableAllScaleOptions();
        main->clearDataTable();
    });
    connect(m_form10.get(), &Form10::pointsPublished, main, &Form1::applyPublishedPoints);
    connect(m_form10.get(), &Form10::readFailed, main, &Form1::clearDataTable);
    connect(m_form10.get(), &Form10::accepted, main, [main] {
        main->enableSettingsOk();
        main->show();
    });
    connect(m_form10.get(), &Form10::cancelled, main, [main] {
        main->clearDataTable();
        main->clearRangeLabels();
        main->enableAllScaleOptions();
        main->show();
    });
    connect(m_form11.get(), &Form11::pointsPublished, main, [main](const PublishedPoints& points) {
        main->applyPublishedPoints(points);
        main->show();
    });
    connect(m_form11.get(), &Form11::cancelled, main, [main] {
        main->enableAllScaleOptions();
        main->show();
    });
}

void WindowSet::wireArchiveDialogs() {
    Form1* main = m_form1.get();
    m_form4->setSettingTextsProvider([main] { return main->settingTexts(); });
    m_form5->setImageProvider(1, [main] { return main->graphImage(); });
    m_form5->setImageProvider(2, [browser = m_form6.get()] { return browser->graphImage(); });
    connect(m_form6.get(), &Form6::backToStart, this, [this] { m_form2->show(); });
}

} // namespace mirendo
