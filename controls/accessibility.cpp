#include "controls/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <algorithm>
#include <map>

#include "controls/modal_boxes.h"
#include "controls/picture_area.h"
#include "controls/utf8.h"

namespace controls {
namespace {

// Text without attributes, with the two answers Qt 6.4 gets wrong put right.
class PlainText : public QAccessibleTextInterface {
public:
    // QAccessibleTextInterface::textAtOffset finds the end of a word or
    // sentence with `while (finder.toNextBoundary() < length)`. Started at
    // the end of the text, toNextBoundary gives -1 each time, always below
    // the length, and the loop never ends. Nothing follows the end, so the
    // answer there is the empty item, as Qt gives for a character.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override {
        const int length = characterCount();
        if (offset == -2) {
            offset = cursorPosition();
        }
        if (offset == -1) {
            offset = length;
        }
        if (offset == length && length > 0 &&
            (type == QAccessible::WordBoundary || type == QAccessible::SentenceBoundary)) {
            *startOffset = length;
            *endOffset = length;
            return {};
        }
        return QAccessibleTextInterface::textAtOffset(offset, type, startOffset, endOffset);
    }
    // One run without attributes spans the whole text. Qt's line edit gives
    // an empty run at each offset instead; Orca joins the runs from the first
    // start to the last end, one short, and read the default "100" as "10".
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

// The input box's field: what Qt's own line edit offers a screen reader,
// with text queries that always return.
class FieldAccessible final : public QAccessibleWidget,
                              public PlainText,
                              public QAccessibleEditableTextInterface {
public:
    explicit FieldAccessible(QLineEdit* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? Field()->text() : QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString& text) override {
        if (type == QAccessible::Value) {
            Field()->setText(text);
        } else {
            QAccessibleWidget::setText(type, text);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !Field()->isReadOnly();
        state.readOnly = Field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    QString text(int startOffset, int endOffset) const override {
        return Field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Field()->text().size()); }
    int cursorPosition() const override { return Field()->cursorPosition(); }
    void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
    int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && Field()->hasSelectedText()) {
            *startOffset = Field()->selectionStart();
            *endOffset = Field()->selectionEnd();
        }
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) {
            Field()->deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0) {
            Field()->setSelection(startOffset, endOffset - startOffset);
        }
    }
    // The box's answers are short and never scroll: a character stands where
    // the text before it ends.
    QRect characterRect(int offset) const override {
        const QFontMetrics metrics(Field()->font());
        const QString text = Field()->text();
        const QRect inner = Field()->contentsRect();
        const int left = inner.left() + Field()->textMargins().left() + 2 +
                         metrics.horizontalAdvance(text.left(offset));
        const QRect cell(left, inner.center().y() - metrics.height() / 2,
                         metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
        return {Field()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*startIndex*/, int endIndex) override {
        Field()->setCursorPosition(endIndex);
    }

    void deleteText(int startOffset, int endOffset) override {
        Field()->setSelection(startOffset, endOffset - startOffset);
        Field()->del();
    }
    void insertText(int offset, const QString& text) override {
        Field()->setCursorPosition(offset);
        Field()->insert(text);
    }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        Field()->setSelection(startOffset, endOffset - startOffset);
        Field()->insert(text);
    }

private:
    QLineEdit* Field() const { return static_cast<QLineEdit*>(widget()); }
};

// A picture that speaks in printed lines: read-only text, the lines joined
// by line feeds, the caret at the start of the line the keys moved to.
class LinesAccessible final : public QAccessibleWidget, public PlainText {
public:
    explicit LinesAccessible(PictureArea* area)
        : QAccessibleWidget(area, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? All() : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(int startOffset, int endOffset) const override {
        return All().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(All().size()); }
    int cursorPosition() const override {
        return Area()->Spoken().LineOffset(std::max(Area()->Spoken().Current(), 0));
    }
    void setCursorPosition(int position) override {
        Area()->Spoken().SetCurrent(EntryAt(position));
    }
    int selectionCount() const override { return 0; }
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    // Where the character was printed: on its printed line, after the text
    // before it there, in the face and spacing it was printed in.
    QRect characterRect(int offset) const override {
        const int entry = EntryAt(offset);
        if (entry < 0) {
            return {};
        }
        int column = offset - Area()->Spoken().LineOffset(entry);
        const auto& pieces = Area()->Spoken().PrintedOf(entry);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (column < pieces[i].length || i + 1 == pieces.size()) {
                const QString line = ToQString(pieces[i].lineText);
                const int printed = pieces[i].column + column;
                const QPointF origin(Area()->contentsRect().topLeft());
                const double height = Area()->PrintedLineHeight();
                const QRectF cell(origin + QPointF(Area()->PrintedAdvance(line.left(printed)),
                                                   pieces[i].line * height),
                                  origin + QPointF(Area()->PrintedAdvance(line.left(printed + 1)),
                                                   (pieces[i].line + 1) * height));
                const QRect logical = cell.toAlignedRect();
                return {Area()->mapToGlobal(logical.topLeft()), logical.size()};
            }
            column -= pieces[i].length;
        }
        return {};
    }
    // The start of what was printed on the line at that point.
    int offsetAtPoint(const QPoint& point) const override {
        const int y = Area()->mapFromGlobal(point).y() - Area()->contentsRect().top();
        const int line = static_cast<int>(y / std::max(Area()->PrintedLineHeight(), 1.0));
        for (int entry = 0; y >= 0 && entry < Area()->Spoken().Entries().size(); ++entry) {
            int offset = Area()->Spoken().LineOffset(entry);
            for (const form::spoken::Printed& piece : Area()->Spoken().PrintedOf(entry)) {
                if (piece.line == line) {
                    return offset;
                }
                offset += piece.length;
            }
        }
        return -1;
    }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}

private:
    PictureArea* Area() const { return static_cast<PictureArea*>(widget()); }
    QString All() const { return Area()->Spoken().Entries().join(QLatin1Char('\n')); }
    int EntryAt(int offset) const {
        if (offset < 0 || offset > characterCount()) {
            return -1;
        }
        return static_cast<int>(All().left(offset).count(QLatin1Char('\n')));
    }
};

// One row of a picture that speaks in rows, found by its place.
class RowAccessible final : public QAccessibleInterface {
public:
    RowAccessible(PictureArea* area, int row) : area_(area), row_(row) {}

    int Row() const { return row_; }
    bool isValid() const override {
        return !area_.isNull() && row_ < area_->Spoken().Entries().size();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return area_.isNull() ? nullptr : area_->window()->windowHandle();
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(area_.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name && isValid() ? area_->Spoken().Entries().at(row_)
                                                      : QString();
    }
    void setText(QAccessible::Text /*type*/, const QString& /*text*/) override {}
    QRect rect() const override {
        return area_.isNull() ? QRect() : QRect(area_->mapToGlobal(QPoint()), area_->size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.focused = state.selected =
            isValid() && area_->hasFocus() && area_->Spoken().Current() == row_;
        return state;
    }

private:
    QPointer<PictureArea> area_;
    int row_;
};

// A picture that speaks in rows: a list of them, named by the picture.
class RowsAccessible final : public QAccessibleWidget {
public:
    explicit RowsAccessible(PictureArea* area) : QAccessibleWidget(area, QAccessible::List) {}
    ~RowsAccessible() override { Forget(); }
    RowsAccessible(const RowsAccessible&) = delete;
    RowsAccessible& operator=(const RowsAccessible&) = delete;

    int childCount() const override { return static_cast<int>(Area()->Spoken().Entries().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        // Rows of an earlier drawing go: a screen reader must not keep their names.
        if (generation_ != Area()->Spoken().Generation()) {
            Forget();
            generation_ = Area()->Spoken().Generation();
        }
        QAccessible::Id& id = rows_[index];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new RowAccessible(const_cast<PictureArea*>(Area()), index));
        }
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const RowAccessible*>(child);
        return row != nullptr && row->isValid() ? row->Row() : -1;
    }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override {
        return Area()->hasFocus() ? child(Area()->Spoken().Current()) : nullptr;
    }

private:
    const PictureArea* Area() const { return static_cast<const PictureArea*>(widget()); }
    void Forget() const {
        for (const auto& [row, id] : rows_) {
            QAccessible::deleteAccessibleInterface(id);
        }
        rows_.clear();
    }

    mutable std::map<int, QAccessible::Id> rows_;
    mutable int generation_ = 0;
};

// The boxes as Qt offers them, with the modal state they have.
class BoxAccessible final : public QAccessibleWidget {
public:
    BoxAccessible(QDialog* box, QAccessible::Role role) : QAccessibleWidget(box, role) {}

    QString text(QAccessible::Text type) const override {
        const auto* message = qobject_cast<const QMessageBox*>(widget());
        return type == QAccessible::Value && message != nullptr ? message->text()
                                                                : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isModal();
        return state;
    }
};

constexpr const char* kWindowProperty = "pernamWindow";

// Only at the object's own class: for the classes it derives from, Qt's own
// interfaces come next.
QAccessibleInterface* OwnInterface(const QString& className, QObject* object) {
    if (object == nullptr || className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    if (auto* field = qobject_cast<QLineEdit*>(object);
        field != nullptr && qobject_cast<InputBox*>(field->window()) != nullptr) {
        return new FieldAccessible(field);
    }
    if (auto* box = qobject_cast<YesNoBox*>(object)) {
        return new BoxAccessible(box, QAccessible::AlertMessage);
    }
    if (auto* box = qobject_cast<InputBox*>(object)) {
        return new BoxAccessible(box, QAccessible::Dialog);
    }
    if (object->property(kWindowProperty).toBool()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (auto* area = qobject_cast<PictureArea*>(object)) {
        if (area->Spoken().Kind() == form::Spoken::Rows) {
            return new RowsAccessible(area);
        }
        return new LinesAccessible(area);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    QAccessible::installFactory(&OwnInterface);
}

void ReportAsWindow(QWidget& window) {
    InstallAccessibleInterfaces();
    window.setProperty(kWindowProperty, true);
}

}  // namespace controls
