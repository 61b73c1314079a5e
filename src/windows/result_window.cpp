#include "windows/result_window.h"

#include "windows/captions.h"
#include "windows/fonts.h"
#include "windows/widget_factory.h"
#include "windows/window_setup.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <utility>

namespace veltrano {

Form2::Form2(int total, int correct, QWidget *parent)
    : QDialog(parent), total_(total), correct_(correct)
{
    setObjectName(QStringLiteral("Form2"));
    setFixedClientSize(this, 5640, 4665);

    Frame1 = makeControl<QGroupBox>(this, "Frame1", twipsRect(720, 360, 4095, 3015));
    Label1 = makeControl<QLabel>(Frame1, "Label1", twipsRect(240, 600, 2175, 375));
    Label2 = makeControl<QLabel>(Frame1, "Label2", twipsRect(240, 1320, 2175, 375));
    Label3 = makeControl<QLabel>(Frame1, "Label3", twipsRect(600, 2040, 1815, 375));
    Label4 = makeControl<QLabel>(Frame1, "Label4", twipsRect(2760, 600, 615, 375));
    Label5 = makeControl<QLabel>(Frame1, "Label5", twipsRect(2760, 1320, 615, 375));
    Label6 = makeControl<QLabel>(Frame1, "Label6", twipsRect(2760, 2040, 1095, 375));
    Command1 = makeControl<QPushButton>(this, "Command1", twipsRect(2040, 3840, 1455, 495));
    LabelVerdict = makeControl<QLabel>(this, "LabelVerdict", twipsRect(720, 3480, 4095, 495));
    LabelPassMark = makeControl<QLabel>(this, "LabelPassMark", twipsRect(720, 3975, 4095, 375));

    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6}) {
        label->setFont(msSansSerif(9.75, true));
        label->setTextFormat(Qt::PlainText);
    }
    for (QLabel *caption : {Label1, Label2, Label3})
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel *value : {Label4, Label5, Label6})
        value->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LabelVerdict->setFont(msSansSerif(14, true));
    LabelPassMark->setFont(msSansSerif(9.75, true));
    for (QLabel *exam : {LabelVerdict, LabelPassMark}) {
        exam->setTextFormat(Qt::PlainText);
        exam->setAlignment(Qt::AlignCenter);
        exam->hide();
    }
    Label4->setText(QString::number(total));
    Label5->setText(QString::number(correct));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    retranslateUi();
}

void Form2::retranslateUi()
{
    setWindowTitle(tr("Test Result"));
    Frame1->setTitle(tr("Score:"));
    Label1->setText(tr("Question Total:"));
    Label2->setText(tr("Correct Questions:"));
    Label3->setText(tr("Percentage:"));
    Label6->setText(Captions::percentage(correct_, total_));
    Command1->setText(tr("OK"));
    if (passed_) {
        LabelVerdict->setText(*passed_ ? tr("PASS") : tr("FAIL"));
        LabelPassMark->setText(tr("Pass mark: %1 of %2").arg(passMark_).arg(total_));
    }
    // Screen readers speak a window's description as it opens: the figures,
    // which they would otherwise reach only by reviewing the screen.
    const std::array<std::pair<QLabel *, QLabel *>, 3> rows{
        {{Label1, Label4}, {Label2, Label5}, {Label3, Label6}}};
    QStringList figures;
    for (const auto &[caption, value] : rows)
        figures.append(caption->text() + u' ' + value->text());
    if (passed_)
        figures += {LabelVerdict->text(), LabelPassMark->text()};
    setAccessibleDescription(figures.join(QStringLiteral(". ")) + u'.');
}

void Form2::showExamVerdict(bool passed, int passMark)
{
    passed_ = passed;
    passMark_ = passMark;
    // The score keeps its place; the verdict goes under it and OK further
    // down.
    setFixedClientSize(this, 5640, 5385);
    Command1->setGeometry(twipsRect(2040, 4560, 1455, 495));
    LabelVerdict->show();
    LabelPassMark->show();
    retranslateUi();
}

void Form2::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

} // namespace veltrano
