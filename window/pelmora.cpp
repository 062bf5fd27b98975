#include "pelmora.h"
#include "logolabel.h"
#include "placement.h"
#include "summarypage.h"
#include "supplier.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPushButton>

Pelmora::Pelmora(QWidget *parent) : QWidget(parent)
{
    setWindowIcon(QIcon(tr(":/logo/Worm.svg")));
    setWindowTitle(tr("Pelmora"));

    auto *providedByLabel = new QLabel(tr(Supplier::providedBy), this);
    providedByLabel->setAlignment(Qt::AlignCenter);

    auto *logoLabel = new LogoLabel(this);
    logoLabel->setAccessibleName(tr("Pelmora logo"));

    auto *telLabel = new QLabel(tr(Supplier::telephone), this);
    telLabel->setAlignment(Qt::AlignCenter);
    auto *tollFreeLabel = new QLabel(tr(Supplier::tollFree), this);
    tollFreeLabel->setAlignment(Qt::AlignCenter);
    auto *faxLabel = new QLabel(tr(Supplier::fax), this);
    faxLabel->setAlignment(Qt::AlignCenter);

    // Created in keyboard focus order; the form below sets the order on screen.
    orchardNameEdit = new QLineEdit(this);
    orchardSizeEdit = new QLineEdit(this);
    dispensersPerAcreEdit = new QLineEdit(tr("400"), this);
    withinRowSpacingEdit = new QLineEdit(this);
    betweenRowSpacingEdit = new QLineEdit(this);

    treesPerAcreLabel = new QLabel(this);
    dispensersPerTreeLabel = new QLabel(this);
    perAcreNeededLabel = new QLabel(this);
    totalQuantityLabel = new QLabel(this);

    auto *calculateButton = new QPushButton(tr("Calculate"), this);
    connect(calculateButton, SIGNAL(clicked()), this, SLOT(SubmitSlot()));
    connect(betweenRowSpacingEdit, SIGNAL(returnPressed()), this, SLOT(SubmitSlot()));
    auto *previewButton = new QPushButton(tr("Print Preview"), this);
    connect(previewButton, SIGNAL(clicked()), this, SLOT(PreviewSlot()));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(previewButton);
    buttonRow->addWidget(calculateButton);

    auto *formLayout = new QFormLayout;
    formLayout->addRow(providedByLabel);
    formLayout->addRow(logoLabel);
    formLayout->addRow(telLabel);
    formLayout->addRow(tollFreeLabel);
    formLayout->addRow(faxLabel);
    formLayout->addRow(tr("Orchard or Block Name:"), orchardNameEdit);
    formLayout->addRow(tr("Orchard Size (Acres):"), orchardSizeEdit);
    formLayout->addRow(tr("Dispensers Per Acre:"), dispensersPerAcreEdit);
    formLayout->addRow(tr("Tree Spacing Within Rows (ft):"), withinRowSpacingEdit);
    formLayout->addRow(tr("Tree Spacing Between Rows (ft):"), betweenRowSpacingEdit);
    formLayout->addRow(tr("Trees Per Acre:"), treesPerAcreLabel);
    formLayout->addRow(tr("Dispensers Per Tree:"), dispensersPerTreeLabel);
    formLayout->addRow(tr("Calculated Dispensers Per Acre Needed:"), perAcreNeededLabel);
    formLayout->addRow(tr("Total Quantity of Dispensers Required:"), totalQuantityLabel);
    formLayout->addRow(buttonRow);
    setLayout(formLayout);

    // Screen readers walk the children in the order they were made: each row's label is moved
    // just before its field or result, and Print Preview before Calculate, as they stand on
    // screen. The keyboard's focus order stays as the fields were made.
    for (QWidget *field : std::initializer_list<QWidget *>{
             orchardNameEdit, orchardSizeEdit, dispensersPerAcreEdit, withinRowSpacingEdit,
             betweenRowSpacingEdit, treesPerAcreLabel, dispensersPerTreeLabel, perAcreNeededLabel,
             totalQuantityLabel}) {
        formLayout->labelForField(field)->stackUnder(field);
    }
    previewButton->stackUnder(calculateButton);
}

void Pelmora::SubmitSlot()
{
    const Calculation run =
        Calculate({orchardSizeEdit->text(), dispensersPerAcreEdit->text(),
                   withinRowSpacingEdit->text(), betweenRowSpacingEdit->text()},
                  {treesPerAcreLabel->text(), dispensersPerTreeLabel->text(),
                   perAcreNeededLabel->text(), totalQuantityLabel->text()});
    treesPerAcreLabel->setText(run.shown.treesPerAcre);
    dispensersPerTreeLabel->setText(run.shown.dispensersPerTree);
    perAcreNeededLabel->setText(run.shown.perAcreNeeded);
    totalQuantityLabel->setText(run.shown.totalQuantity);
    // The one warning, for a bad spacing and a bad dispensers per acre alike.
    if (run.invalidInput) {
        QMessageBox::warning(this, tr("Invalid Input"),
                             tr("The tree spacing you entered is not valid"), QMessageBox::Ok,
                             QMessageBox::NoButton);
    }
}

void Pelmora::PreviewSlot()
{
    QPrintPreviewDialog dialog(this);
    connect(&dialog, SIGNAL(paintRequested(QPrinter*)), this, SLOT(PrintRequest(QPrinter*)));
    PrepareSummaryPrinter(dialog.printer());
    dialog.exec();
}

void Pelmora::PrintRequest(QPrinter *printer)
{
    PaintSummaryPage(printer, {orchardNameEdit->text(), orchardSizeEdit->text(),
                               dispensersPerAcreEdit->text(), withinRowSpacingEdit->text(),
                               betweenRowSpacingEdit->text(), treesPerAcreLabel->text(),
                               dispensersPerTreeLabel->text(), perAcreNeededLabel->text(),
                               totalQuantityLabel->text()});
}
