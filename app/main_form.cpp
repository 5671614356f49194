#include "app/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <exception>

#include "app/icons.h"
#include "app/qt_dialogs.h"
#include "app/result_log.h"
#include "app/rtf.h"
#include "compression/pack_engine.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

QToolButton* MakeToolButton(QToolBar* bar, int picture, bool enabled) {
  auto* button = new QToolButton(bar);
  button->setIcon(ToolIcon(picture));
  button->setIconSize(QSize(16, 16));
  button->setAutoRaise(true);
  button->setFixedSize(23, 22);
  button->setEnabled(enabled);
  bar->addWidget(button);
  return button;
}

QPushButton* MakePushButton(QWidget* parent, const char* caption, QRect geometry) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setGeometry(geometry);
  button->setFocusPolicy(Qt::NoFocus);
  button->setEnabled(false);
  return button;
}

QProgressBar* MakeBar(QWidget* parent, QRect geometry) {
  auto* bar = new QProgressBar(parent);
  bar->setGeometry(geometry);
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  return bar;
}

}  // namespace

TMainForm::TMainForm(std::unique_ptr<TDialogs> dialogs, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<TQtDialogs>(this)),
      engine_(*this) {
  setWindowTitle(QStringLiteral("Extract\\Insert Tool"));
  engine_.Workers = 0;  // one entry per core; the window only shows progress
  setFixedSize(688, 464);
  setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName(QStringLiteral("ToolBar1"));
  toolBar->setGeometry(0, 0, 688, 26);
  toolBar->setMovable(false);
  toolBar->setStyleSheet(QStringLiteral("QToolBar { border: 1px solid palette(mid); spacing: 0px; }"));
  BAddLog = MakeToolButton(toolBar, 0, true);
  BSaveList = MakeToolButton(toolBar, 1, false);
  BRemLog = MakeToolButton(toolBar, 2, false);
  BClearAll = MakeToolButton(toolBar, 5, false);
  BProcess = MakeToolButton(toolBar, 3, false);
  BExit = MakeToolButton(toolBar, 4, true);

  LogList = new QListWidget(this);
  LogList->setGeometry(0, 26, 688, 189);
  LogList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LogList->setUniformItemSizes(true);
  // Settings a user rarely changes live in the list's context menu, out of the fixed layout's way.
  LogList->setContextMenuPolicy(Qt::ActionsContextMenu);
  PackWithZlib = new QAction(QStringLiteral("Pack textures with zlib (byte for byte as zlib level 1)"), LogList);
  PackWithZlib->setCheckable(true);
  PackWithZlib->setChecked(QSettings().value(QStringLiteral("packWithZlib"), false).toBool());
  SetZlibOnly(PackWithZlib->isChecked());
  connect(PackWithZlib, &QAction::toggled, this, [](bool on) {
    SetZlibOnly(on);
    QSettings().setValue(QStringLiteral("packWithZlib"), on);
  });
  LogList->addAction(PackWithZlib);

  Results = new QTextEdit(this);
  Results->setGeometry(0, 215, 688, 183);
  Results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Results->setAcceptRichText(true);

  GroupBox1 = new QGroupBox(QStringLiteral(" Process "), this);
  GroupBox1->setGeometry(0, 398, 688, 66);
  CurrentMessage = new QLabel(GroupBox1);
  CurrentMessage->move(12, 16);
  Extracted = new QLabel(QStringLiteral("Extracted: 0"), GroupBox1);
  Extracted->setGeometry(334, 14, 57, 13);
  SetExtracted("Extracted: 0");
  SaveLog = MakePushButton(GroupBox1, "Save results", QRect(506, 10, 105, 19));
  Stop = MakePushButton(GroupBox1, "Stop", QRect(612, 10, 71, 19));
  Progress = MakeBar(GroupBox1, QRect(12, 32, 671, 13));
  Total = MakeBar(GroupBox1, QRect(12, 48, 671, 13));

  connect(BAddLog, &QToolButton::clicked, this, &TMainForm::BAddLogClick);
  connect(BSaveList, &QToolButton::clicked, this, &TMainForm::BSaveListClick);
  connect(BRemLog, &QToolButton::clicked, this, &TMainForm::BRemLogClick);
  connect(BClearAll, &QToolButton::clicked, this, &TMainForm::BClearAllClick);
  connect(BProcess, &QToolButton::clicked, this, &TMainForm::BProcessClick);
  connect(BExit, &QToolButton::clicked, this, &TMainForm::BExitClick);
  connect(Stop, &QPushButton::clicked, this, &TMainForm::StopClick);
  connect(SaveLog, &QPushButton::clicked, this, &TMainForm::SaveLogClick);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

template <typename Handler>
void TMainForm::Guarded(Handler handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    dialogs_->Error(WithFullStop(e.what()));
  }
}

std::vector<std::string> TMainForm::Entries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < LogList->count(); ++i) entries.push_back(LogList->item(i)->text().toStdString());
  return entries;
}

void TMainForm::EnableListButtons(bool enabled) {
  for (QToolButton* b : {BClearAll, BRemLog, BProcess, BSaveList}) b->setEnabled(enabled);
}

void TMainForm::SetRunning(bool running) {
  // No second run inside the first, and no list that changes under it. Stop can be pressed for the
  // whole run: the click waits in the queue until the entry under way is done.
  for (QToolButton* b : {BAddLog, BRemLog, BClearAll, BSaveList, BProcess}) b->setEnabled(!running);
  Stop->setEnabled(running);
  if (!running) EnableListButtons(LogList->count() > 0);
}

void TMainForm::BAddLogClick() {
  Guarded([this] {
    BRemLog->setEnabled(false);
    BProcess->setEnabled(false);
    BSaveList->setEnabled(false);
    int filter = selectLogFilter_;
    const auto files = dialogs_->SelectLog(filter);
    if (files) {
      selectLogFilter_ = filter;
      const TJobKind kind = FilterKinds[static_cast<std::size_t>(filter - 1)];
      if (kind != JobKind) LogList->clear();
      JobKind = kind;
      if (JobKind == jkProjectList) {
        if (!files->empty()) {
          const std::vector<std::string> lines = ProjectListEntries(LoadLines(files->front()));
          LogList->clear();
          for (const std::string& line : lines) LogList->addItem(QString::fromStdString(line));
        }
      } else {
        for (const std::string& f : *files) LogList->addItem(QString::fromStdString(f));
      }
    }
    if (LogList->count() > 0) EnableListButtons(true);
  });
}

void TMainForm::BSaveListClick() {
  Guarded([this] {
    if (const auto path = dialogs_->SaveLST()) SaveLines(*path, Entries());
  });
}

void TMainForm::BRemLogClick() {
  Guarded([this] {
    for (QListWidgetItem* item : LogList->selectedItems()) delete item;
    if (LogList->count() > 0)
      LogList->setCurrentRow(LogList->count() - 1, QItemSelectionModel::NoUpdate);
    else
      EnableListButtons(false);
  });
}

void TMainForm::BClearAllClick() {
  Guarded([this] {
    LogList->clear();
    EnableListButtons(false);
  });
}

void TMainForm::BProcessClick() {
  Guarded([this] {
    if (LogList->count() == 0) return;
    Results->clear();
    engine_.ResultLog.clear();
    engine_.TargetDir = GetCurrentDir();
    std::string directory = engine_.TargetDir;
    TRunOutcome outcome = TRunOutcome::Completed;
    if (dialogs_->SelectDirectory(directory)) {
      if (directory.empty()) throw Exception("Unable to create directory");
      // A typed relative name means "here"; after the change into it, it would mean something else.
      directory = AbsolutePath(directory);
      ForceDirectories(directory);  // a failure shows up at the first job that writes there
      engine_.TargetDir = directory;
      SetCurrentDir(directory);
      SetRunning(true);
      struct Restore {
        TMainForm& form;
        ~Restore() { form.SetRunning(false); }
      } restore{*this};
      outcome = engine_.RunBatch(JobKind, Entries());
    }
    dialogs_->Information(outcome == TRunOutcome::Stopped ? "Operation stopped!" : "Operation complete!",
                          "Process status:");
  });
  if (closeAfterRun_) close();
}

void TMainForm::BExitClick() { close(); }

void TMainForm::closeEvent(QCloseEvent* event) {
  // The run stops after the entry under way, whose temporaries go with it; the window closes then.
  if (engine_.Running()) {
    closeAfterRun_ = true;
    engine_.RequestStop();
    event->ignore();
    return;
  }
  event->accept();
}

void TMainForm::StopClick() {
  engine_.RequestStop();
  Stop->setEnabled(false);
}

void TMainForm::SaveLogClick() {
  Guarded([this] {
    const auto path = dialogs_->SaveRes();
    if (!path) return;
    std::vector<std::string> lines;
    for (QTextBlock block = Results->document()->begin(); block.isValid(); block = block.next())
      lines.push_back(block.text().toStdString());
    const std::string rtf = RtfDocument(lines);
    TAtomicFile file(*path);
    file.Stream().WriteBuffer(rtf.data(), static_cast<std::int32_t>(rtf.size()));
    file.Commit();
    dialogs_->Information(ExtractFileName(*path), "Operation status");
    SaveLog->setEnabled(false);
  });
}

// --- TFrontEnd ------------------------------------------------------------------------------

void TMainForm::SetCurrentMessage(const std::string& text) {
  CurrentMessage->setText(QString::fromStdString(text));
  CurrentMessage->adjustSize();
}
void TMainForm::SetProgress(int position) { Progress->setValue(position); }
void TMainForm::SetTotal(int position) { Total->setValue(position); }
void TMainForm::SetExtracted(const std::string& text) {
  Extracted->setText(QString::fromStdString(text));
  // At least its 57 pixels; wider when the font the system offers needs it.
  Extracted->resize(std::max(57, Extracted->sizeHint().width()), 13);
}
void TMainForm::AddResult(const std::string& line) { Results->append(QString::fromStdString(line).toHtmlEscaped()); }
bool TMainForm::HasResults() { return !Results->document()->isEmpty(); }
void TMainForm::JobStarting() {
  Results->setFocus();
  SaveLog->setEnabled(false);
  Stop->setEnabled(engine_.StopFlag == 0);
}
void TMainForm::JobEnded() {
  Stop->setEnabled(engine_.Running() && engine_.StopFlag == 0);
  if (HasResults()) SaveLog->setEnabled(true);
}
void TMainForm::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace eit
