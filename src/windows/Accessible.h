#pragma once
// What the windows tell a screen reader beyond Qt's own accessible widgets: a
// label whose every change is heard, a painted page read as text, a button
// that holds the focus before it is shown and a menu item that says whether
// it is switched on. None of them changes what is drawn. Beside them, how a
// keyboard user's held key is told from a fresh press.

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QList>
#include <QPoint>
#include <QPushButton>
#include <QStringList>

namespace quarvel {

// A label a screen reader reads through a text interface and hears whenever
// its text changes. Without an accessible name the text is its name (a
// message); with one (a caption such as "Benötigte Zeit") it is its
// description. The role decides how a screen reader treats a change: a status
// bar is spoken, a plain label only kept up to date.
class SpokenLabel : public QLabel {
    Q_OBJECT
  public:
    SpokenLabel(QAccessible::Role role, QWidget* parent);

    // Shows `text` and announces it when it differs from the last text, or
    // always when `repeat` is set (the same verdict a second time).
    void Say(const QString& text, bool repeat = false);
    QAccessible::Role Role() const { return role_; }
    // The text on one line, a line break read as a blank.
    QString Spoken() const;

  private:
    QAccessible::Role role_;
};

// A painted page made readable: it lies over its parent, draws nothing, lets
// every click through, and gives a screen reader the page's lines through a
// text interface, one line per "\n", so that it can move by line and word.
class ReadingPane : public QWidget {
    Q_OBJECT
  public:
    explicit ReadingPane(QWidget* parent);

    // A new page: its title, its lines and where each line starts on the
    // parent as designed, in `font`. Announced when the text changes.
    void SetPage(const QString& title, const QStringList& lines, const QList<QPoint>& origins,
                 const QFont& font);
    QString Title() const { return title_; }
    QString Text() const { return lines_.join(QLatin1Char('\n')); }
    // The place of the character at `offset` of Text(), on the parent at the
    // window's scale.
    QRect CharacterPlace(int offset) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString title_;
    QStringList lines_;
    QList<QPoint> origins_;
    QFont font_;
};

// From the first call on, the program tells a key held down from a fresh
// press; WatchHeldKeys() is called by every window that asks.
void WatchHeldKeys();
// A key press that repeats a key held down: marked as a repeat, or coming at
// the very instant the same key was let go (how the X server repeats a key).
bool IsKeyRepeat(const QEvent* event);
// Such a repeat of Enter (Return or the keypad's Enter).
bool IsHeldEnter(const QEvent* event);

// A push button that stands in its place unseen: it can hold the keyboard
// focus, so a screen reader is on it from the start, but paints nothing and
// takes no click or key until it is shown. An Enter held down since before it
// showed does not press it either: only a fresh press does.
class LatentButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;

    void SetShown(bool shown);
    bool Shown() const { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool shown_ = true;
};

// A menu item that switches something on and off. Its caption names what a
// click does ("Ein" while off), so a screen reader learns the state from it:
// checked while on, and in words.
class SwitchAction : public QAction {
    Q_OBJECT
  public:
    // `subject` names what is switched ("Zeitanzeige").
    SwitchAction(const QString& caption, const QString& subject, QObject* parent);

    void SetOn(bool on);
    bool On() const { return on_; }
    // "Zeitanzeige: ein" or "Zeitanzeige: aus".
    QString StateText() const;

  private:
    QString subject_;
    bool on_ = false;
};

// Sets a window's title; a screen reader that already knows the window hears
// the new one.
void SetTitle(QWidget* window, const QString& title);
// An accessible name or description that changes only when it differs, so a
// screen reader hears no repeats.
void SetName(QWidget* widget, const QString& name);
void SetDescription(QWidget* widget, const QString& description);

} // namespace quarvel
