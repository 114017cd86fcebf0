#pragma once

#include "editing/FindWindowBase.h"

class QRadioButton;
class QPushButton;

// FindDialog1: the modeless find window with the direction and match case options.
class TFindDialog : public FindWindowBase {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent);
    void setOptions(unsigned options) override;

    QPushButton* findNextButton() const { return findNext_; }

private:
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* findNext_ = nullptr;
};
