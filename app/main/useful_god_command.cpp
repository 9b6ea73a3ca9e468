// "设定用神": the couple on screen analysed again with the useful god, the
// favourable and unfavourable gods, the ten-god scores and the day master's
// strength that the user sets, without building the pillars anew.
#include <QStyle>
#include <QToolButton>

#include "app/main/TFrmMain.h"
#include "app/options/TFrmSetYong.h"
#include "widgets/messages/message_box.h"
#include "engine/chart/CBaZiEx.h"

QToolButton* TFrmMain::BuildSetButton() {
    SbtoSet = new QToolButton(this);
    SbtoSet->setObjectName(QStringLiteral("SbtoSet"));
    SbtoSet->setToolTip(QStringLiteral("设定用神"));
    SbtoSet->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    SbtoSet->setFixedSize(56, 20);
    connect(SbtoSet, &QToolButton::clicked, this, &TFrmMain::TBtoSyongClick);
    return SbtoSet;
}

void TFrmMain::TBtoSyongClick() {
    if (!chartReady) {
        Messages().Notice(this, QStringLiteral("请先排一个正确的盘"), QStringLiteral("排盘"), MessageIcon::Information);
        return;
    }
    UsefulGodSettings a{}, b{};
    engine_->ReadUsefulGodSettings(a, b);
    TFrmSetYong dialog(a, b, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The saved case's edited report is offered for saving before it is replaced.
    OfferSaveEdited();
    engine_->showReport = 1;
    engine_->RecomputeWithSettings(dialog.Settings(0), dialog.Settings(1));
    ShowEngineResult();
}
