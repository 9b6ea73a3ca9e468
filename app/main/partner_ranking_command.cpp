// "择偶排行": the person of the 甲命 panel ranked against the case library;
// the person chosen in the list comes into the 乙命 panel and the couple is
// computed as "测算" computes it.
#include "widgets/birth/BirthPanel.h"
#include "app/main/TFrmMain.h"
#include "app/case_dialogs/TFrmZeOu.h"

void TFrmMain::TmZeOuClick() {
    BirthData person;
    if (!panelA_->ReadPanel(person)) return;
    TFrmZeOu dialog(programFolder_, person, this);
    if (dialog.exec() != QDialog::Accepted) return;
    CaseRecord record{};
    if (!store_.ReadCase(dialog.ChosenNumber(), record)) return;  // deleted meanwhile
    // The pair on screen is no saved case; an edited saved report is offered first.
    OfferSaveEdited();
    if (savedCaseMode) LeaveSavedCase();
    panelB_->ShowPerson(dialog.ChosenSide() == 0 ? record.a : record.b);
    BtnPaiClick();
}
