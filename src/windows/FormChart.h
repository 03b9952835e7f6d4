#pragma once
// The chart window: points read off the picture of a chart. The picture is opened, pasted or
// dropped; four reference points with typed values calibrate its axes (each linear or
// logarithmic); up to ten points are placed by click or by keys, moved to a tenth of a pixel and
// snapped to a line's middle; every step can be undone. The points go to the main window as a
// point file's would ("この点で計算", pointsHandedOver) or into a point file. The calibration and
// the points are kept beside the picture's file and offered back when it is opened again.
#include "core/chart/ChartDocument.h"

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;

namespace mirendo {

class ChartLoupe;
class ChartPictureView;
class FormChartSave;

class FormChart : public QWidget {
    Q_OBJECT
  public:
    explicit FormChart(QWidget* parent = nullptr);
    ~FormChart() override;

    // Before the window is shown: the axis scales of a document with no reference point placed
    // yet follow the main window's scale mode (1..4, X named first).
    void presetScales(int scaleMode);

    // Opens a picture file (page `pdfPage` of a PDF) as "画像を開く…" does; false after a message.
    bool openPicture(const QString& path, int pdfPage = 0);
    // A picture pasted from the clipboard (no file: nothing is kept beside it).
    void takePicture(const QImage& image);
    // Whether the picture shown may give way to another: work on a pasted picture has no file
    // beside it to be kept in, so it goes only when the user says so.
    bool mayReplacePicture();

    const chart::ChartDocument& document() const { return m_document; }
    ChartPictureView* view() const { return m_view; }
    QString picturePath() const { return m_path; }
    // The scale mode (1..4) the calibration's axes make.
    int scaleMode() const;
    // The side file beside the picture written now rather than after the short pause that gathers
    // a run of changes (as on closing).
    void writeSideFileNow();

  signals:
    // "この点で計算": the points as the text of a point file, and the scale mode of the axes.
    void pointsHandedOver(const QString& pointText, int scaleMode);

  private slots:
    // Handlers of the controls, connected by their names.
    void CommandOpen_Click();
    void CommandPaste_Click();
    void CommandFit_Click();
    void CommandZoomIn_Click();
    void CommandZoomOut_Click();
    void CommandUndo_Click();
    void CommandRedo_Click();
    void CommandSnap_Click();
    void CommandDelete_Click();
    void CommandSave_Click();
    void CommandCalculate_Click();

  private:
    void closeEvent(QCloseEvent* event) override;
    void wireView();
    void ReferenceBox_Finished(chart::Reference reference);
    void ScaleChoice_Changed(chart::ChartAxis axis, int index);
    void PageChoice_Changed(int index);
    void showCursor(QPointF pixel);
    // A change of the document: the view, the list, the boxes and the buttons follow, and the side
    // file is written soon.
    void changed();
    void refresh();
    void startOver(const QString& path, int page, int pageCount);
    void offerSideFile();
    QString sideFilePath() const;
    // The points' text, or empty after a message saying why there is none.
    QString pointTextOrRefuse();

    chart::ChartDocument m_document;
    QString m_path; // the picture's file; empty for a pasted picture
    int m_page = 0; // of a PDF
    bool m_refreshing = false;
    bool m_sideFileDue = false;
    QTimer* m_sideFileTimer = nullptr; // restarted by every change: the file is written once they pause
    bool m_sideFileWarned = false;

    ChartPictureView* m_view = nullptr;
    ChartLoupe* m_loupe = nullptr;
    std::array<QLineEdit*, 4> m_referenceBoxes{};
    std::array<QLabel*, 4> m_referenceAt{};
    QComboBox *m_scaleX = nullptr, *m_scaleY = nullptr, *m_page1 = nullptr;
    QLabel *m_ask = nullptr, *m_cursor = nullptr;
    QListWidget* m_points = nullptr;
    QPushButton *m_undo = nullptr, *m_redo = nullptr, *m_snap = nullptr, *m_delete = nullptr,
                *m_save = nullptr, *m_calculate = nullptr;
    std::unique_ptr<FormChartSave> m_saveDialog; // built on first use
};

} // namespace mirendo
