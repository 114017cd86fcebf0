#pragma once

#include <QTabWidget>

#include <functional>

namespace varlo {

class TAdvTabSheet;

// The tabbed page control. Pages carry a close button of which only the active page's responds.
// Making a page active from the program never runs the page-change handling (OnChange); only a
// selection by the user does, and the close request below.
//
// A close request for the active page: note the page after it in tab order (wrapping; the page
// itself when it is the only one), ask the page's OnCanClose with the answer preset to yes, and
// on yes make the noted page active with OnChange, then take the closed page out for good and
// make the page after it active, this time without OnChange.
class TAdvPageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TAdvPageControl(QWidget* parent = nullptr);

    int PageCount() const { return count(); }
    TAdvTabSheet* Page(int index) const;
    TAdvTabSheet* ActivePage() const;
    int ActivePageIndex() const { return currentIndex(); }

    // Appends a page (it becomes the last one) without making it active.
    void addPage(TAdvTabSheet* page);
    // From the program: no OnChange.
    void setActivePage(TAdvTabSheet* page);
    void setActivePageIndex(int index);
    // Destroys the page with its editor; when it was the active page, the page after it in tab
    // order (wrapping) becomes active, without OnChange.
    void destroyPage(TAdvTabSheet* page);

    // The close request of the active page's close button.
    void closeRequest();

    std::function<void()> OnChange;
    // After a close request has taken its page out.
    std::function<void()> OnClosed;

private:
    // Runs f with currentChanged treated as the program's own doing.
    template <class F> void quietly(F f);
    void tabCloseClicked(int index);
    void currentChangedByQt(int index);

    bool quiet_ = false;
};

} // namespace varlo
