#include "editor/widget/TSynCompletionForm.h"

#include "editor/qtbridge/QtCp1251.h"
#include "editor/widget/CompletionText.h"
#include "editor/widget/SystemColors.h"
#include "editor/widget/TSynMemoAccessible.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace varlo {

namespace {

// Width of the sizing frame, where the pointer resizes the window.
constexpr int kFrame = 4;
constexpr int kMargin = 2;
constexpr int kPrettyRole = Qt::UserRole + 1;

// Draws a row's pretty text run by run, in the list's font with the run's style.
class PrettyRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        p->fillRect(option.rect, toQColor(selected ? clHighlight : clWindow));
        p->setPen(toQColor(selected ? clHighlightText : clWindowText));
        const std::string pretty = index.data(kPrettyRole).toByteArray().toStdString();
        int x = option.rect.x() + kMargin;
        for (const PrettyRun& run : prettyRuns(pretty)) {
            QFont f = option.font;
            f.setBold(run.bold);
            f.setItalic(run.italic);
            f.setUnderline(run.underline);
            p->setFont(f);
            const QString text = fromBytes(run.text);
            p->drawText(QRect(x, option.rect.y(), option.rect.right() - x, option.rect.height()),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            x += QFontMetrics(f).horizontalAdvance(text);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), QFontMetrics(option.font).height()};
    }
};

} // namespace

TSynCompletionForm::TSynCompletionForm(QWidget* parent) : QFrame(parent, Qt::Popup) {
    // Before anything asks for the window's accessible interface (setting a name does).
    installTSynMemoAccessibility();
    setProperty(kCompanionWindow, true);
    setObjectName(QStringLiteral("SynCompletionForm"));
    setAccessibleName(QStringLiteral("Подсказка тегов"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kFrame / 2);
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    // The frame's own lines and the margin inside them make up the sizing frame.
    layout->setContentsMargins(kFrame - kFrame / 2, kFrame - kFrame / 2, kFrame - kFrame / 2,
                               kFrame - kFrame / 2);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("SynCompletionList"));
    list_->setAccessibleName(QStringLiteral("Теги"));
    list_->setFrameShape(QFrame::NoFrame);
    list_->setUniformItemSizes(true);
    list_->setItemDelegate(new PrettyRowDelegate(list_));
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette pal = list_->palette();
    pal.setColor(QPalette::Base, toQColor(clWindow));
    pal.setColor(QPalette::Text, toQColor(clWindowText));
    pal.setColor(QPalette::Highlight, toQColor(clHighlight));
    pal.setColor(QPalette::HighlightedText, toQColor(clHighlightText));
    list_->setPalette(pal);
    list_->installEventFilter(this);
    layout->addWidget(list_);
    setFocusProxy(list_);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (onDoubleClick)
            onDoubleClick(list_->row(item));
    });
}

void TSynCompletionForm::setRows(const std::vector<std::string>& prettyRows) {
    list_->setUpdatesEnabled(false);
    list_->clear();
    for (const std::string& pretty : prettyRows) {
        // The item's text is what a screen reader reads: the row without its style commands.
        auto* item = new QListWidgetItem(fromBytes(prettyPlainText(pretty)));
        item->setData(kPrettyRole, QByteArray::fromStdString(pretty));
        list_->addItem(item);
    }
    list_->setUpdatesEnabled(true);
    selectRow(0);
}

int TSynCompletionForm::rowCount() const {
    return list_->count();
}

int TSynCompletionForm::selectedRow() const {
    return list_->count() == 0 ? -1 : list_->currentRow();
}

void TSynCompletionForm::selectRow(int row) {
    if (list_->count() == 0)
        return;
    row = std::clamp(row, 0, list_->count() - 1);
    list_->setCurrentRow(row);
    list_->scrollToItem(list_->item(row));
}

QString TSynCompletionForm::rowText(int row) const {
    const QListWidgetItem* item = list_->item(row);
    return item ? item->text() : QString();
}

void TSynCompletionForm::setListFont(const QFont& f) {
    list_->setFont(f);
}

int TSynCompletionForm::rowHeight() const {
    return std::max(1, QFontMetrics(list_->font()).height());
}

QSize TSynCompletionForm::sizeFor(int width, int rows) const {
    return {width, rows * rowHeight() + 2 * kFrame};
}

int TSynCompletionForm::visibleRows() const {
    return std::max(1, (height() - 2 * kFrame) / rowHeight());
}

bool TSynCompletionForm::eventFilter(QObject* watched, QEvent* e) {
    if (watched == list_ && e->type() == QEvent::KeyPress && onKey &&
        onKey(static_cast<QKeyEvent*>(e)))
        return true;
    return QFrame::eventFilter(watched, e);
}

void TSynCompletionForm::keyPressEvent(QKeyEvent* e) {
    if (onKey && onKey(e))
        return;
    QFrame::keyPressEvent(e);
}

void TSynCompletionForm::hideEvent(QHideEvent* e) {
    QFrame::hideEvent(e);
    resizing_ = {};
    if (onHidden)
        onHidden();
}

Qt::Edges TSynCompletionForm::edgesAt(QPoint p) const {
    Qt::Edges edges;
    if (p.x() >= width() - kFrame)
        edges |= Qt::RightEdge;
    if (p.y() >= height() - kFrame)
        edges |= Qt::BottomEdge;
    return edges;
}

void TSynCompletionForm::mousePressEvent(QMouseEvent* e) {
    const Qt::Edges edges = edgesAt(e->position().toPoint());
    if (e->button() == Qt::LeftButton && edges && rect().contains(e->position().toPoint())) {
        resizing_ = edges;
        pressGlobal_ = e->globalPosition().toPoint();
        pressSize_ = size();
        return;
    }
    // A press outside the window closes the popup (the default handling).
    QFrame::mousePressEvent(e);
}

void TSynCompletionForm::mouseMoveEvent(QMouseEvent* e) {
    if (resizing_) {
        const QPoint d = e->globalPosition().toPoint() - pressGlobal_;
        QSize s = pressSize_;
        if (resizing_ & Qt::RightEdge)
            s.setWidth(std::max(40, s.width() + d.x()));
        if (resizing_ & Qt::BottomEdge)
            s.setHeight(std::max(sizeFor(0, 1).height(), s.height() + d.y()));
        resize(s);
        return;
    }
    const Qt::Edges edges = edgesAt(e->position().toPoint());
    if (edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges & Qt::RightEdge)
        setCursor(Qt::SizeHorCursor);
    else if (edges & Qt::BottomEdge)
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QFrame::mouseMoveEvent(e);
}

void TSynCompletionForm::mouseReleaseEvent(QMouseEvent* e) {
    if (resizing_) {
        resizing_ = {};
        return;
    }
    QFrame::mouseReleaseEvent(e);
}

} // namespace varlo
