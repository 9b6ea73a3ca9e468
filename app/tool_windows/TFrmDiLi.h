// "经纬度设置": the editor of the place file dat/dili.ini. The user picks a
// province and a city, sees its longitude and latitude in degrees and
// minutes, and changes, adds or deletes cities; every change is written to
// the file at once.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

class IniFile;
class QComboBox;
class QLineEdit;
class QPushButton;

class TFrmDiLi : public QDialog {
    Q_OBJECT
public:
    // programFolder: the folder holding dat/dili.ini.
    explicit TFrmDiLi(const std::string& programFolder, QWidget* parent = nullptr);
    ~TFrmDiLi() override;

    void CboShengClick();  // a province chosen
    void CboShiClick();    // a city chosen
    void BtnAddClick();    // "增加"
    void BtnEditClick();   // "修改"
    void BtnDeleteClick(); // "删除"

private:
    void BuildControls();
    std::string Province() const;
    // The four boxes checked and formatted; false after showing the fault.
    bool CheckedValue(std::string& value);
    // Whether the place file, as it is on disk now, has the city in the
    // selected province: an addition or a deletion is done only once the
    // file says so.
    bool InFile(const std::string& city) const;
    // The outcome of a write; false after telling the user that the file
    // could not be written.
    bool Written(bool ok);

    std::unique_ptr<IniFile> placeFile_;

    QComboBox* CboSheng;
    QComboBox* CboShi;
    QLineEdit* LedtJingDu;
    QLineEdit* LedtJingFen;
    QLineEdit* LedtWeiDu;
    QLineEdit* LedtWeiFen;
    QLineEdit* LedtShiName;
};
