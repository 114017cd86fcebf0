#include "app/TAdvPageControl.h"

#include "app/TAdvTabSheet.h"
#include "editor/widget/TSynMemo.h"

#include <QApplication>

#include <QTabBar>

namespace varlo {

namespace {
QString shownCaption(const QString& caption) {
    QString t = caption;
    t.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return t;
}
} // namespace

TAdvPageControl::TAdvPageControl(QWidget* parent) : QTabWidget(parent) {
    setTabsClosable(true);
    setMovable(false);
    setDocumentMode(false);
    tabBar()->setSelectionBehaviorOnRemove(QTabBar::SelectRightTab);
    connect(this, &QTabWidget::tabCloseRequested, this, &TAdvPageControl::tabCloseClicked);
    connect(this, &QTabWidget::currentChanged, this, &TAdvPageControl::currentChangedByQt);
}

template <class F> void TAdvPageControl::quietly(F f) {
    const bool was = quiet_;
    quiet_ = true;
    f();
    quiet_ = was;
}

TAdvTabSheet* TAdvPageControl::Page(int index) const {
    return qobject_cast<TAdvTabSheet*>(widget(index));
}

TAdvTabSheet* TAdvPageControl::ActivePage() const {
    return qobject_cast<TAdvTabSheet*>(currentWidget());
}

void TAdvPageControl::addPage(TAdvTabSheet* page) {
    quietly([&] {
        const int index = addTab(page, shownCaption(page->Caption()));
        // The first page added becomes current by itself; that is no user's choice either.
        (void)index;
    });
    connect(page, &TAdvTabSheet::captionChanged, this, [this, page] {
        const int i = indexOf(page);
        if (i >= 0)
            setTabText(i, shownCaption(page->Caption()));
    });
}

void TAdvPageControl::setActivePage(TAdvTabSheet* page) {
    quietly([&] { setCurrentWidget(page); });
}

void TAdvPageControl::setActivePageIndex(int index) {
    quietly([&] { setCurrentIndex(index); });
}

void TAdvPageControl::destroyPage(TAdvTabSheet* page) {
    const int index = indexOf(page);
    if (index < 0)
        return;
    const bool wasActive = index == currentIndex();
    // The focus must not go down with the page: typing goes on in the page that follows.
    QWidget* focus = QApplication::focusWidget();
    const bool hadFocus = focus && (focus == page || page->isAncestorOf(focus));
    // Wrapping: after the last page comes the first.
    const int next = index + 1 < count() ? index : 0;
    quietly([&] {
        removeTab(index);
        if (wasActive && count() > 0)
            setCurrentIndex(next);
    });
    delete page;
    if (hadFocus && ActivePage() && ActivePage()->editor())
        ActivePage()->editor()->setFocus();
}

void TAdvPageControl::closeRequest() {
    TAdvTabSheet* closing = ActivePage();
    if (!closing)
        return;
    const int at = currentIndex();
    TAdvTabSheet* noted = Page(count() > 1 ? (at + 1) % count() : at);
    bool canClose = true;
    if (closing->OnCanClose)
        closing->OnCanClose(canClose);
    if (!canClose)
        return;
    quietly([&] { setCurrentWidget(noted); });
    if (OnChange)
        OnChange();
    destroyPage(closing);
    if (OnClosed)
        OnClosed();
}

void TAdvPageControl::tabCloseClicked(int index) {
    if (index == currentIndex())
        closeRequest();
}

void TAdvPageControl::currentChangedByQt(int) {
    if (!quiet_ && OnChange)
        OnChange();
}

} // namespace varlo
