#include "windows/result_window.h"

#include "practice/captions.h"
#include "windows/fonts.h"
#include "windows/twips.h"
#include "windows/window_setup.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace veltrano {

namespace {
QLabel *scoreLabel(QWidget *parent, const QString &name, const QString &text, QRect geometry,
                   Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(msSansSerif(9.75, true));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

Form2::Form2(int total, int correct, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Test Result"));
    setFixedClientSize(this, 5640, 4665);

    auto *frame = new QGroupBox(QStringLiteral("Score:"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(720, 360, 4095, 3015));

    scoreLabel(frame, QStringLiteral("Label1"), QStringLiteral("Question Total:"),
               twipsRect(240, 600, 2175, 375), Qt::AlignRight);
    scoreLabel(frame, QStringLiteral("Label2"), QStringLiteral("Correct Questions:"),
               twipsRect(240, 1320, 2175, 375), Qt::AlignRight);
    scoreLabel(frame, QStringLiteral("Label3"), QStringLiteral("Percentage:"),
               twipsRect(600, 2040, 1815, 375), Qt::AlignRight);
    Label4 = scoreLabel(frame, QStringLiteral("Label4"), QString::number(total),
                        twipsRect(2760, 600, 615, 375), Qt::AlignLeft);
    Label5 = scoreLabel(frame, QStringLiteral("Label5"), QString::number(correct),
                        twipsRect(2760, 1320, 615, 375), Qt::AlignLeft);
    Label6 = scoreLabel(frame, QStringLiteral("Label6"), formatPercentage(correct, total),
                        twipsRect(2760, 2040, 1095, 375), Qt::AlignLeft);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(twipsRect(2040, 3840, 1455, 495));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace veltrano
