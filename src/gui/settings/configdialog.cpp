#include "gui/settings/configdialog.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"
#include "ui_configdialog.h"

namespace kavrin::gui {
namespace {

// Cells that take only what the pattern lets through: digits, and for amounts the locale's
// decimal separator.
class PatternDelegate : public QStyledItemDelegate {
 public:
  PatternDelegate(const QString& pattern, QObject* parent) : QStyledItemDelegate(parent), pattern_(pattern) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    auto* editor = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
    if (editor) editor->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern_), editor));
    return editor;
  }

 private:
  QString pattern_;
};

int MatrixRows(int cols) { return (NumberMax + cols - 1) / cols; }

}  // namespace

ConfigDialog::ConfigDialog(QWidget* parent, const TConfigData& config)
    : QDialog(parent), ui_(std::make_unique<Ui::ConfigDialog>()), config_(config), segments_(config.MatrixSegments) {
  ui_->setupUi(this);
  ui_->edMaxStake->setValue(config.MaxStake);
  ui_->edCost->setValue(static_cast<double>(config.Cost.Amount()));

  const QString separator = QRegularExpression::escape(ToQ(FormatSettings().DecimalSeparator));
  QTableWidget* profits = ui_->sgProfits;
  profits->setColumnCount(2);
  profits->setHorizontalHeaderLabels({QStringLiteral("Совпадений"), QStringLiteral("Сумма выигрыша")});
  profits->verticalHeader()->hide();
  profits->verticalHeader()->setDefaultSectionSize(profits->fontMetrics().height() + 8);
  profits->horizontalHeader()->setStretchLastSection(true);
  profits->setItemDelegateForColumn(0, new PatternDelegate(QStringLiteral("[0-9]*"), profits));
  profits->setItemDelegateForColumn(1, new PatternDelegate(QStringLiteral("[0-9]*(%1[0-9]*)?").arg(separator), profits));
  const std::vector<std::string> rows = ProfitRowsText(config);
  profits->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    const QString text = ToQ(rows[row]);
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    profits->setItem(row, 0, new QTableWidgetItem(text.left(eq)));
    profits->setItem(row, 1, new QTableWidgetItem(text.mid(eq + 1)));
  }
  profits->setColumnWidth(0, profits->fontMetrics().horizontalAdvance(QStringLiteral("Совпадений")) + 24);
  profits->setMinimumHeight(profits->horizontalHeader()->sizeHint().height() +
                            static_cast<int>(rows.size()) * profits->verticalHeader()->defaultSectionSize() + 4);

  ui_->edWeightCount->setValue(static_cast<double>(config.Weights.Count));
  ui_->edWeightDeviation->setValue(static_cast<double>(config.Weights.Deviation));
  ui_->edWeightLevel->setValue(static_cast<double>(config.Weights.Level));
  ui_->cbUsePercents->setChecked(config.Weights.UsePercents);
  ui_->cbUseAbsValues->setChecked(config.Weights.UseAbsValues);

  ui_->edChannelSize->setValue(config.ChannelSize);
  QTableWidget* grid = ui_->sgSegments;
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setItemDelegate(new PatternDelegate(QStringLiteral("[0-9]*"), grid));
  connect(grid, &QTableWidget::cellChanged, this, &ConfigDialog::SegmentEdited);
  connect(ui_->edMatrixCols, &QSpinBox::valueChanged, this, &ConfigDialog::LayOutSegments);
  ui_->edMatrixCols->setValue(config.MatrixCols);
  LayOutSegments(config.MatrixCols);

  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ConfigDialog::~ConfigDialog() = default;

void ConfigDialog::LayOutSegments(int cols) {
  ui_->edMatrixRows->setValue(MatrixRows(cols));
  QTableWidget* grid = ui_->sgSegments;
  const QSignalBlocker block(grid);
  grid->clear();
  grid->setColumnCount(cols);
  grid->setRowCount(MatrixRows(cols));
  const int side = grid->fontMetrics().height() + 8;
  for (int c = 0; c < cols; ++c) grid->setColumnWidth(c, side);
  for (int r = 0; r < grid->rowCount(); ++r) grid->setRowHeight(r, side);
  for (int n = 1; n <= NumberMax; ++n) {
    auto* item = new QTableWidgetItem(QString::number(segments_[n - 1]));
    item->setTextAlignment(Qt::AlignCenter);
    item->setToolTip(QString::number(n));
    grid->setItem((n - 1) / cols, (n - 1) % cols, item);
  }
  // The cells after number 50 hold no number: they take neither focus nor text.
  for (int n = NumberMax + 1; n <= grid->rowCount() * cols; ++n) {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::NoItemFlags);
    grid->setItem((n - 1) / cols, (n - 1) % cols, item);
  }
}

void ConfigDialog::SegmentEdited(int row, int column) {
  QTableWidget* grid = ui_->sgSegments;
  const int number = row * grid->columnCount() + column + 1;
  if (number > NumberMax) return;
  QTableWidgetItem* item = grid->item(row, column);
  std::string error;
  segments_[number - 1] = SegmentCellValue(FromQ(item->text()), error);
  if (!error.empty()) {
    ShowErrorBox(this, error);
    const QSignalBlocker block(grid);
    item->setText(QStringLiteral("1"));
  }
}

TConfigData ConfigDialog::Result() const {
  TConfigData config = config_;
  config.MaxStake = ui_->edMaxStake->value();
  config.Cost = TCurrency::FromAmount(ui_->edCost->value());
  std::vector<std::string> rows;
  for (int row = 0; row < ui_->sgProfits->rowCount(); ++row)
    rows.push_back(FromQ(ui_->sgProfits->item(row, 0)->text() + QLatin1Char('=') + ui_->sgProfits->item(row, 1)->text()));
  config.Profits = ProfitRowsFromText(rows);
  config.Weights.Count = ui_->edWeightCount->value();
  config.Weights.Deviation = ui_->edWeightDeviation->value();
  config.Weights.Level = ui_->edWeightLevel->value();
  config.Weights.UsePercents = ui_->cbUsePercents->isChecked();
  config.Weights.UseAbsValues = ui_->cbUseAbsValues->isChecked();
  config.MatrixCols = ui_->edMatrixCols->value();
  config.ChannelSize = ui_->edChannelSize->value();
  config.MatrixSegments = segments_;
  return config;
}

bool EditConfigDialog(QWidget* parent, TConfigData& config) {
  ConfigDialog dialog(parent, config);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  config = dialog.Result();
  return true;
}

}  // namespace kavrin::gui
