#pragma once

#include "editing/FindWindowBase.h"

class QPushButton;

// ReplaceDialog1: the modeless replace window; the search always runs down.
class TReplaceDialog : public FindWindowBase {
    Q_OBJECT
public:
    explicit TReplaceDialog(QWidget* parent);

    // The replacement in Windows-1251; characters that no document can hold are left out.
    std::string ReplaceText() const;
    void setReplaceText(std::string_view bytes);

    QPushButton* findNextButton() const { return findNext_; }
    QPushButton* replaceButton() const { return replace_; }
    QPushButton* replaceAllButton() const { return replaceAll_; }

signals:
    void OnReplace();

private:
    QLineEdit* replaceField_ = nullptr;
    QPushButton* findNext_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};
