#include "StopuhrDialog.h"
#include "SpeedButton.h"

#include "BevelLabel.h"
#include "GradientPanel.h"
#include "LedDisplay.h"
#include "StopwatchRules.h"

#include <QButtonGroup>
#include <QLabel>
#include <QToolButton>

namespace {
constexpr QSize kClientSize(266, 93);

QToolButton* CountButton(QWidget* Parent, const char* Name, const QString& Caption, const QString& Hint,
                         const QRect& Geometry) {
    QToolButton* b = MakeSpeedButton(Parent, Name, Geometry, Hint, nullptr);
    b->setText(Caption);
    b->setCheckable(true);
    return b;
}
} // namespace

TStopuhrForm::TStopuhrForm(QObject* Owner, TGridRiddle* Grid) : TRiddleSupportForm(Owner, Grid) {
    setObjectName(QStringLiteral("StopuhrForm"));
    setWindowTitle(QStringLiteral("Lösungszeit"));
    setAccessibleName(windowTitle());
    // The solver cannot close the stopwatch: it goes with the riddle's clock.
    setSystemMenu(nullptr);
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* content = new QWidget;
    content->setFixedSize(kClientSize);
    Verlauf = new TGradientPanel(content);
    Verlauf->setObjectName(QStringLiteral("Verlauf"));
    Verlauf->setGeometry(QRect(QPoint(0, 0), kClientSize));

    LEDTime = new TLEDDisplay(content);
    LEDTime->setObjectName(QStringLiteral("LEDTime"));
    LEDTime->setGeometry(4, 4, 141, 41);
    const QString ledHint = QStringLiteral("Die für die Lösung des Rätsels benötigte Zeit");
    LEDTime->setToolTip(ledHint);
    LEDTime->setStatusTip(ledHint);
    LEDTime->setAccessibleName(ledHint);
    LEDTime->SetBackgroundColor(ToQColor(0x333333));
    LEDTime->SetSegmentColor(ToQColor(clBlue));
    LEDTime->SetDigits(5, 2);
    LEDTime->SetSeparator(QLatin1Char(':'));
    LEDTime->SetUnlitContrast(8);
    LEDTime->SetSegmentWidth(4);
    LEDTime->SetBevelled(true);

    LblMinus = new QLabel(QStringLiteral("+"), content);
    LblMinus->setObjectName(QStringLiteral("LblMinus"));
    LblMinus->setGeometry(148, 4, 21, 36);
    LblMinus->setAlignment(Qt::AlignCenter);
    QFont sign(QStringLiteral("Arial"));
    sign.setBold(true);
    sign.setPixelSize(32);
    LblMinus->setFont(sign);

    SBCountUp = CountButton(content, "SBCountUp", QStringLiteral("Aufwärts"),
                            QStringLiteral("Die Zeit von Null an aufwärts zählen"), QRect(182, 4, 80, 21));
    SBCountDown =
        CountButton(content, "SBCountDown", QStringLiteral("Abwärts"),
                    QStringLiteral("Die Zeit von der Bestzeit aus rückwärts zählen"), QRect(182, 25, 80, 21));
    auto* group = new QButtonGroup(this);
    group->addButton(SBCountUp);
    group->addButton(SBCountDown);
    SBCountUp->setChecked(true);
    connect(group, &QButtonGroup::buttonClicked, this, &TStopuhrForm::SBCountUpClick);

    Label1 = new QLabel(QStringLiteral("Bestzeit:"), content);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(4, 52);
    LblBestTime = new TBevelLabel(QString(), content);
    LblBestTime->setObjectName(QStringLiteral("LblBestTime"));
    LblBestTime->setGeometry(4, 68, 259, 21);
    LblBestTime->SetBevel(TBevelLabel::bvLowered);
    QFont bold = LblBestTime->font();
    bold.setBold(true);
    LblBestTime->setFont(bold);
    setWidget(content);

    if (Grid)
        Listen(&Grid->Riddle(), &TRiddleData::OnTimeChange, [this](TObject*) { RefreshStopwatch(); });
    RefreshStopwatch();
}

void TStopuhrForm::FormShow() {
    // Inside the main window the frame has its final size only now.
    adjustSize();
    KeepInsideMainWindow();
    const TGridRiddle* grid = Grid();
    const uint16_t best = grid ? grid->Riddle().BestTime() : 0;
    SBCountDown->setEnabled(best != 0);
    // Without a best time there is nothing to count down from.
    if (best == 0)
        SBCountUp->setChecked(true);
    LblBestTime->setText(grid ? BestTimeText(grid->Riddle().BestTimeHolder(), best) : QString());
    RefreshStopwatch();
}

void TStopuhrForm::RefreshStopwatch() {
    const TGridRiddle* grid = Grid();
    if (!grid)
        return;
    const TRiddleData& riddle = grid->Riddle();
    const TStopwatchView v = StopwatchView(riddle.Time(), riddle.BestTime(), SBCountUp->isChecked());
    LblMinus->setVisible(v.SignVisible);
    LblMinus->setText(v.SignText);
    QFont sign = LblMinus->font();
    sign.setPointSize(v.SignPointSize);
    LblMinus->setFont(sign);
    QPalette colours = LblMinus->palette();
    colours.setColor(QPalette::WindowText, ToQColor(v.SignColor));
    LblMinus->setPalette(colours);
    LEDTime->SetSegmentColor(ToQColor(v.SegmentColor));
    LEDTime->SetValue(StopwatchValue(v.Seconds));
}

void TStopuhrForm::SBCountUpClick() {
    RefreshStopwatch();
}
