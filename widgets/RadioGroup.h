// A titled group of radio buttons of which at most one is chosen, addressed
// by item index (−1 when none is chosen). The items are laid out in the
// given number of columns, filling each column from the top before the next.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);

    // Replaces the items; none is chosen afterwards.
    void SetItems(const QStringList& items);
    int Count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* Item(int index) const { return buttons_.at(index); }

    int ItemIndex() const;
    // An index outside the items leaves none chosen.
    void SetItemIndex(int index);

private:
    int columns_;
    QGridLayout* grid_;
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};
