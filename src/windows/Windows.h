#pragma once
// The program's eight windows, created once by main in their fixed order, and
// the base of every window besides the start window.

#include "windows/Scale.h"

#include <QColor>
#include <QDialog>
#include <QFont>

class QMenuBar;
class QShowEvent;

namespace quarvel {

class TfrmStart;
class TfrmVerwandlungsketten;
class TfrmEinheiten;
class TfrmMaxanzahl;
class TfrmAuswertung;
class TfrmKombinationen;
class TfrmInformation;
class TfrmDekEinheiten;

// Filled in creation order; a window looks its partners up when it needs them.
struct Windows {
    TfrmStart* Start = nullptr;
    TfrmVerwandlungsketten* Verwandlungsketten = nullptr;
    TfrmEinheiten* Einheiten = nullptr;
    TfrmMaxanzahl* Maxanzahl = nullptr;
    TfrmAuswertung* Auswertung = nullptr;
    TfrmKombinationen* Kombinationen = nullptr;
    TfrmInformation* Information = nullptr;
    TfrmDekEinheiten* DekEinheiten = nullptr;
};

// A window of fixed client size, shown modally by exec(). FormActivate runs
// each time the window is shown, not when it regains the focus from a dialog
// it opened itself. The client size and everything in it are designed at
// scale 1; Scale() lays them out at the window's scale.
class QuarvelDialog : public QDialog {
    Q_OBJECT
  public:
    // Its title bar has a close box and nothing else.
    QuarvelDialog(Windows& windows, QWidget* parent, const QString& caption, int clientWidth,
                  int clientHeight);

    // The area below the menu bar, of the designed client size.
    QWidget* Client() const { return client_; }
    // Created on first use, above the client area.
    QMenuBar* MenuBar();
    void SetClientSize(int width, int height);
    WindowScale& Scale() const { return *scale_; }
    // The screen the program's windows open on.
    ScreenArea Screen() const;

  protected:
    void showEvent(QShowEvent* event) override;
    virtual void FormActivate() {}
    // A window of the size of the start window: maximised at scale 1 on the
    // 1024 x 768 screen the layouts were made for, elsewhere at the largest
    // scale at which it fits the screen; centred over `over`.
    void FitToScreen(const QWidget* over);
    // A dialog: at the scale of the window it belongs to (smaller, should it
    // not fit), centred over that window.
    void FollowScaleOf(const QWidget* owner);

    Windows& windows_;

  private:
    QWidget* client_;
    WindowScale* scale_;
    QMenuBar* menuBar_ = nullptr;
};

// Bold "Arial" (Liberation Sans) with the given character height in pixels,
// the font of every window's controls.
QFont BoldArial(int pixelHeight);
// The colour of a widget's text (labels, group box captions, fields).
void SetTextColour(QWidget* widget, const QColor& colour);

} // namespace quarvel
