#pragma once

#include <QFont>
#include <QFrame>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QKeyEvent;

namespace varlo {

// The list window of the completion popup: a real popup window (it has the keyboard while it
// is open, a click outside closes it) with a list of rows drawn from pretty text and a sizing
// frame at its right and bottom edges. It knows nothing of editors; the proposal drives it.
class TSynCompletionForm : public QFrame {
    Q_OBJECT
public:
    explicit TSynCompletionForm(QWidget* parent = nullptr);

    // Rows in pretty-text form (Windows-1251); the first row is selected.
    void setRows(const std::vector<std::string>& prettyRows);
    int rowCount() const;
    int selectedRow() const; // -1 with no rows
    void selectRow(int row); // clamped
    // The plain text of a row as it is shown.
    QString rowText(int row) const;

    void setListFont(const QFont& f);
    int rowHeight() const;
    // The window size that shows `rows` rows of the given width.
    QSize sizeFor(int width, int rows) const;
    // Rows that fit the list as it is sized now.
    int visibleRows() const;
    QListWidget* list() const { return list_; }

    // A key the window received; true when it was taken.
    std::function<bool(QKeyEvent*)> onKey;
    std::function<void(int row)> onDoubleClick;
    // The window was hidden, by the proposal or by a click outside it.
    std::function<void()> onHidden;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Qt::Edges edgesAt(QPoint p) const;

    QListWidget* list_ = nullptr;
    Qt::Edges resizing_;
    QPoint pressGlobal_;
    QSize pressSize_;
};

} // namespace varlo
