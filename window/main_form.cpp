#include "window/main_form.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QShortcut>
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

#include "window/icons.h"
#include "window/qt_dialogs.h"
#include "window/preview_dialog.h"
#include "engine/result_log.h"
#include "window/rtf.h"
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
  connect(PackWithZlib, &QAction::toggled, this,
          [](bool on) { QSettings().setValue(QStringLiteral("packWithZlib"), on); });
  PreviewFontAction = new QAction(QStringLiteral("Preview font... (Ctrl+P)"), LogList);
  connect(PreviewFontAction, &QAction::triggered, this, [this] { PreviewFont(); });
  LogList->addAction(PreviewFontAction);
  LogList->addAction(PackWithZlib);
  auto* previewKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  connect(previewKey, &QShortcut::activated, this, [this] { PreviewFont(); });

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

  // What a desktop user reaches for first: tool tips, shortcuts, dropping files, the icon.
  setWindowIcon(WindowIcon());
  const struct {
    QAbstractButton* button;
    const char* tip;
    std::vector<QKeySequence> keys;
  } commands[] = {
      {BAddLog, "Add files to the list (Ctrl+O)", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
      {BSaveList, "Save the list as a project list (Ctrl+S)", {QKeySequence(Qt::CTRL | Qt::Key_S)}},
      {BRemLog, "Remove the selected entries (Delete)", {QKeySequence(Qt::Key_Delete)}},
      {BClearAll, "Remove all entries (Ctrl+Shift+Delete)", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)}},
      {BProcess, "Process the list into a target directory (F5, Ctrl+R)",
       {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)}},
      {BExit, "Exit (Ctrl+Q)", {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
      {Stop, "Stop the run after the file under way (Esc)", {QKeySequence(Qt::Key_Escape)}},
  };
  for (const auto& c : commands) {
    c.button->setToolTip(QString::fromLatin1(c.tip));
    for (const QKeySequence& key : c.keys) {
      auto* shortcut = new QShortcut(key, this);
      QAbstractButton* button = c.button;
      // Through the button, so that a shortcut does nothing while its button is disabled.
      connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) button->click();
      });
    }
  }
  LogList->setAcceptDrops(true);
  LogList->viewport()->setAcceptDrops(true);
  LogList->viewport()->installEventFilter(this);
  Results->viewport()->installEventFilter(this);
  // The frame line runs above the label and the buttons, the caption sits on it at the left.
  GroupBox1->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); margin-top: 5px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; top: -1px; }"));

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
      AddFiles(FilterKinds[static_cast<std::size_t>(filter - 1)], *files);
    }
    if (LogList->count() > 0) EnableListButtons(true);
  });
}

void TMainForm::AddFiles(TJobKind kind, const std::vector<std::string>& files) {
  if (kind != JobKind) LogList->clear();
  JobKind = kind;
  if (JobKind == TJobKind::ProjectList) {
    if (!files.empty()) {
      const std::vector<std::string> lines = ProjectListEntries(LoadLines(files.front()));
      LogList->clear();
      for (const std::string& line : lines) LogList->addItem(QString::fromStdString(line));
    }
  } else {
    for (const std::string& f : files) LogList->addItem(QString::fromStdString(f));
  }
}

void TMainForm::DropFiles(const std::vector<std::string>& files) {
  Guarded([&] {
    if (engine_.Running()) throw Exception("A run is under way: files can be added when it has ended");
    // The kind comes from the extension, as the open dialog's filter would give it.
    std::vector<std::string> known, unknown;
    TJobKind kind = TJobKind::None;
    bool mixed = false;
    for (const std::string& f : files) {
      const std::string ext = ExtractFileExtLower(f);
      const TJobKind k = ext == ".dds" ? TJobKind::Texture : ext == ".tdt" ? TJobKind::FontSheet : ext == ".lst" ? TJobKind::ProjectList
                         : ext == ".log" ? TJobKind::ReplayLog : TJobKind::None;
      if (k == TJobKind::None) {
        unknown.push_back(ExtractFileName(f));
        continue;
      }
      mixed = mixed || (kind != TJobKind::None && k != kind);
      kind = k;
      known.push_back(f);
    }
    std::string refused;
    for (const std::string& name : unknown) refused += (refused.empty() ? "" : ", ") + name;
    if (mixed) throw Exception("Drop files of one kind at a time (textures, font tables, result logs or project lists)");
    if (!known.empty()) AddFiles(kind, known);
    if (LogList->count() > 0) EnableListButtons(true);
    if (!refused.empty())
      throw Exception("Not added, since only .dds, .tdt, .log and .lst files can be processed: " + refused);
  });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LogList->viewport() && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->mimeData()->hasUrls()) {
      drag->acceptProposedAction();
      return true;
    }
  }
  if (watched == LogList->viewport() && event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> files;
    for (const QUrl& url : drop->mimeData()->urls())
      if (url.isLocalFile()) files.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    drop->acceptProposedAction();
    DropFiles(files);
    return true;
  }
  if (watched == Results->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const auto* click = static_cast<QMouseEvent*>(event);
    const int block = Results->cursorForPosition(click->position().toPoint()).blockNumber();
    const auto found = resultPaths_.find(block);
    if (found != resultPaths_.end()) dialogs_->OpenPath(found->second);
    return found != resultPaths_.end();
  }
  return QWidget::eventFilter(watched, event);
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
    targetDir_ = GetCurrentDir();
    std::string directory = targetDir_;
    TRunOutcome outcome = TRunOutcome::Completed;
    resultPaths_.clear();
    if (dialogs_->SelectDirectory(directory)) {
      if (directory.empty()) throw Exception("Unable to create directory");
      // A typed relative name means "here"; after the change into it, it would mean something else.
      directory = AbsolutePath(directory);
      EnterTargetDirectory(directory);
      targetDir_ = directory;
      SetRunning(true);
      struct Restore {
        TMainForm& form;
        ~Restore() { form.SetRunning(false); }
      } restore{*this};
      struct Offer {
        TMainForm& form;
        std::string directory;
        ~Offer() {
          // The last line leads to the results, whatever ended the run.
          form.Results->append(QString::fromStdString("Target directory: " + directory + " (double-click to open)")
                                   .toHtmlEscaped());
          form.resultPaths_[form.Results->document()->blockCount() - 1] = directory;
        }
      } offer{*this, directory};
      outcome = engine_.Run(RequestFor(directory)).Outcome;
    }
    dialogs_->Information(outcome == TRunOutcome::Stopped ? "Operation stopped!" : "Operation complete!",
                          "Process status:");
  });
  if (closeAfterRun_) close();
}

TRunRequest TMainForm::RequestFor(const std::string& directory) const {
  TRunRequest request;
  request.Entries = EntriesOf(JobKind, Entries());
  request.TargetDir = directory;
  request.Workers = workers_;
  request.Engine = PackWithZlib->isChecked() ? TPackEngine::Zlib : TPackEngine::Fastest;
  return request;
}

TPreviewDialog* TMainForm::PreviewFont() {
  // The selected font tables of the list first, then those the last run rebuilt.
  std::vector<std::string> tables;
  auto add = [&](const std::string& path) {
    if (ExtractFileExtLower(path) == ".tdt" && std::find(tables.begin(), tables.end(), path) == tables.end())
      tables.push_back(path);
  };
  for (QListWidgetItem* item : LogList->selectedItems()) add(item->text().toStdString());
  for (const auto& [line, path] : resultPaths_) add(path);
  for (int i = 0; i < LogList->count(); ++i) add(LogList->item(i)->text().toStdString());
  if (tables.empty()) {
    dialogs_->Error("Select a font table (.tdt) in the list, or insert one, to preview it.");
    return nullptr;
  }
  auto* dialog = new TPreviewDialog(tables, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return dialog;
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
void TMainForm::AddResultFor(const std::string& line, const std::string& path) {
  AddResult(line);
  resultPaths_[Results->document()->blockCount() - 1] = path;
}
bool TMainForm::HasResults() { return !Results->document()->isEmpty(); }
void TMainForm::JobStarting() {
  Results->setFocus();
  SaveLog->setEnabled(false);
  Stop->setEnabled(!engine_.StopRequested());
}
void TMainForm::JobEnded() {
  Stop->setEnabled(engine_.Running() && !engine_.StopRequested());
  if (HasResults()) SaveLog->setEnabled(true);
}
void TMainForm::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace eit
