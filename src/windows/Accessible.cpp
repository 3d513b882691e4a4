#include "windows/Accessible.h"

#include "windows/Scale.h"

#include <QAccessibleWidget>

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QWindow>
#include <algorithm>

namespace quarvel {

namespace {

// The text interface of a text that is only read: no caret, no selection.
// Lines are separated by "\n"; Qt's defaults find lines, words and sentences.
class ReadOnlyText : public QAccessibleTextInterface {
  public:
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = Whole();
        if (endOffset < 0 || endOffset > all.size()) endOffset = static_cast<int>(all.size());
        startOffset = std::clamp(startOffset, 0, endOffset);
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Whole().size()); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

  protected:
    virtual QString Whole() const = 0;
};

class SpokenLabelAccessible : public QAccessibleWidget, public ReadOnlyText {
  public:
    explicit SpokenLabelAccessible(SpokenLabel* label) : QAccessibleWidget(label, label->Role()) {}

    QString text(QAccessible::Text t) const override {
        const SpokenLabel* label = Label();
        const bool captioned = !label->accessibleName().isEmpty();
        if (t == QAccessible::Name) return captioned ? label->accessibleName() : label->Spoken();
        if (t == QAccessible::Description && captioned && label->accessibleDescription().isEmpty())
            return label->Spoken();
        return QAccessibleWidget::text(t);
    }
    QString text(int startOffset, int endOffset) const override {
        return ReadOnlyText::text(startOffset, endOffset);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    QRect characterRect(int) const override { return rect(); }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

  private:
    const SpokenLabel* Label() const { return static_cast<const SpokenLabel*>(widget()); }
    QString Whole() const override { return Label()->text(); }
};

class ReadingPaneAccessible : public QAccessibleWidget, public ReadOnlyText {
  public:
    explicit ReadingPaneAccessible(ReadingPane* pane)
        : QAccessibleWidget(pane, QAccessible::Document) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Pane()->Title();
        return QAccessibleWidget::text(t);
    }
    QString text(int startOffset, int endOffset) const override {
        return ReadOnlyText::text(startOffset, endOffset);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    QRect characterRect(int offset) const override {
        const QRect place = Pane()->CharacterPlace(offset);
        if (place.isNull()) return {};
        return place.translated(Pane()->mapToGlobal(QPoint(0, 0)));
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

  private:
    const ReadingPane* Pane() const { return static_cast<const ReadingPane*>(widget()); }
    QString Whole() const override { return Pane()->Text(); }
};

// What Qt says of a menu item, with the state of a switch: checkable, checked
// while on, and the state in words as the description.
class SwitchItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    explicit SwitchItemAccessible(SwitchAction* action) : action_(action) {}

    bool isValid() const override { return !action_.isNull() && Menu() != nullptr; }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        const QWidget* menu = Menu();
        return menu != nullptr ? menu->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Menu());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return action_->text().remove(QLatin1Char('&'));
        if (t == QAccessible::Description) return action_->StateText();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QMenu* menu = Menu();
        if (menu == nullptr) return {};
        const QRect place = menu->actionGeometry(action_);
        return place.translated(menu->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        const QMenu* menu = Menu();
        s.invisible = menu == nullptr || !menu->isVisible();
        s.focusable = true;
        s.focused = menu != nullptr && menu->activeAction() == action_;
        s.disabled = !action_->isEnabled();
        s.checkable = true;
        s.checked = action_->On();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QMenu* Menu() const {
        if (action_.isNull()) return nullptr;
        for (QObject* owner : action_->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(owner)) return menu;
        }
        return nullptr;
    }

    QPointer<SwitchAction> action_;
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
    if (key == QLatin1String(SpokenLabel::staticMetaObject.className()))
        return new SpokenLabelAccessible(static_cast<SpokenLabel*>(object));
    if (key == QLatin1String(ReadingPane::staticMetaObject.className()))
        return new ReadingPaneAccessible(static_cast<ReadingPane*>(object));
    if (key == QLatin1String(SwitchAction::staticMetaObject.className()))
        return new SwitchItemAccessible(static_cast<SwitchAction*>(object));
    return nullptr;
}

// Before the first of these objects is asked for its interface.
void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void Notify(QObject* object, QAccessible::Event type) {
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

} // namespace

SpokenLabel::SpokenLabel(QAccessible::Role role, QWidget* parent) : QLabel(parent), role_(role) {
    InstallFactory();
}

QString SpokenLabel::Spoken() const {
    return text().simplified();
}

void SpokenLabel::Say(const QString& text, bool repeat) {
    const QString before = this->text();
    if (before == text && !repeat) return;
    // QLabel itself reports a new name, but only while the text is the name.
    if (before != text) setText(text);
    if (before == text || !accessibleName().isEmpty()) {
        Notify(this, accessibleName().isEmpty() ? QAccessible::NameChanged
                                                : QAccessible::DescriptionChanged);
    }
    QAccessibleTextUpdateEvent update(this, 0, before, text);
    QAccessible::updateAccessibility(&update);
}

ReadingPane::ReadingPane(QWidget* parent) : QWidget(parent) {
    InstallFactory();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(parent->rect());
    lower(); // read before the pictures beside the text
    parent->installEventFilter(this);
}

void ReadingPane::SetPage(const QString& title, const QStringList& lines,
                          const QList<QPoint>& origins, const QFont& font) {
    const QString before = Text();
    const bool renamed = title != title_;
    title_ = title;
    lines_ = lines;
    origins_ = origins;
    font_ = font;
    if (renamed) Notify(this, QAccessible::NameChanged);
    if (Text() != before) {
        QAccessibleTextUpdateEvent update(this, 0, before, Text());
        QAccessible::updateAccessibility(&update);
    }
}

QRect ReadingPane::CharacterPlace(int offset) const {
    int start = 0;
    for (qsizetype k = 0; k < lines_.size(); ++k) {
        const QString& line = lines_.at(k);
        if (offset <= start + line.size()) {
            if (k >= origins_.size()) return {};
            const QFontMetrics metrics(font_);
            const QString before = line.left(offset - start);
            const QString at = line.mid(offset - start, 1);
            const QRect designed(origins_.at(k) + QPoint(metrics.horizontalAdvance(before), 0),
                                 QSize(metrics.horizontalAdvance(at), metrics.height()));
            if (const WindowScale* scale = WindowScale::Of(this)) return scale->Map(designed);
            return designed;
        }
        start += static_cast<int>(line.size()) + 1;
    }
    return {};
}

bool ReadingPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void LatentButton::SetShown(bool shown) {
    if (shown_ == shown) return;
    shown_ = shown;
    update();
}

void LatentButton::paintEvent(QPaintEvent* event) {
    if (shown_) QPushButton::paintEvent(event);
}

bool LatentButton::hitButton(const QPoint& pos) const {
    return shown_ && QPushButton::hitButton(pos);
}

namespace {

// The last key let go anywhere in the program, and when.
class ReleaseWatch : public QObject {
  public:
    using QObject::QObject;
    int Key = 0;
    quint64 At = 0;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            Key = key->key();
            At = key->timestamp();
        }
        return false;
    }
};

QPointer<ReleaseWatch>& Releases() {
    static QPointer<ReleaseWatch> watch;
    return watch;
}

} // namespace

void WatchHeldKeys() {
    if (Releases() == nullptr && qApp != nullptr) {
        Releases() = new ReleaseWatch(qApp);
        qApp->installEventFilter(Releases());
    }
}

bool IsKeyRepeat(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->isAutoRepeat()) return true;
    // The X server repeats a key as a release and a press at the same
    // instant; Qt marks them as repeats only when the press has come in by
    // the time it handles the release.
    const ReleaseWatch* released = Releases();
    return released != nullptr && key->timestamp() != 0 && released->At == key->timestamp() &&
           released->Key == key->key();
}

bool IsHeldEnter(const QEvent* event) {
    if (!IsKeyRepeat(event)) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void LatentButton::keyPressEvent(QKeyEvent* event) {
    if (shown_ && !IsHeldEnter(event)) {
        QPushButton::keyPressEvent(event);
    } else {
        event->accept();
    }
}

SwitchAction::SwitchAction(const QString& caption, const QString& subject, QObject* parent)
    : QAction(caption, parent), subject_(subject) {
    InstallFactory();
}

void SwitchAction::SetOn(bool on) {
    if (on_ == on) return;
    on_ = on;
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent change(this, checked);
    QAccessible::updateAccessibility(&change);
    Notify(this, QAccessible::NameChanged);
    Notify(this, QAccessible::DescriptionChanged);
}

QString SwitchAction::StateText() const {
    return subject_ + (on_ ? QStringLiteral(": ein") : QStringLiteral(": aus"));
}

void SetTitle(QWidget* window, const QString& title) {
    if (window->windowTitle() == title) return;
    window->setWindowTitle(title);
    Notify(window, QAccessible::NameChanged);
}

void SetName(QWidget* widget, const QString& name) {
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
}

void SetDescription(QWidget* widget, const QString& description) {
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace quarvel
