// The window's construction: its widgets in the fixed layout, their commands, and their enabled states.
#include "window/main_form.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <iterator>

#include "window/icons.h"
#include "window/image_viewer_dialog.h"
#include "window/languages.h"
#include "window/qt_dialogs.h"

namespace eit {

namespace {

// The main window's words, for helpers outside its class (marked where they are written with
// QT_TRANSLATE_NOOP in this context).
constexpr const char* kWords = "eit::TMainForm";
QString Words(const char* text) { return QCoreApplication::translate(kWords, text); }

// Names the widget and puts it where the layout table says.
template <typename Widget>
Widget* Placed(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  const auto* place = std::find_if(std::begin(kFormLayout), std::end(kFormLayout),
                                   [name](const TWidgetPlace& p) { return std::string_view(p.Name) == name; });
  if (place != std::end(kFormLayout)) widget->setGeometry(place->Left, place->Top, place->Width, place->Height);
  return widget;
}

QToolButton* MakeToolButton(QToolBar* bar, const char* name, int picture) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(ToolIcon(picture));
  button->setIconSize(QSize(16, 16));
  button->setAutoRaise(true);
  button->setFixedSize(23, 22);
  bar->addWidget(button);
  return button;
}

QPushButton* MakePushButton(QWidget* parent, const char* name, const char* caption) {
  auto* button = Placed(new QPushButton(Words(caption), parent), name);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QProgressBar* MakeBar(QWidget* parent, const char* name) {
  auto* bar = Placed(new QProgressBar(parent), name);
  bar->setRange(0, 100);
  bar->setValue(0);
  bar->setTextVisible(false);
  return bar;
}

// A choice of the list's context menu, kept across starts under key.
QAction* SettingAction(QWidget* list, const char* name, const char* text, const char* key) {
  auto* action = new QAction(Words(text), list);
  action->setObjectName(QString::fromLatin1(name));
  action->setCheckable(true);
  const QString setting = QString::fromLatin1(key);
  action->setChecked(QSettings().value(setting, false).toBool());
  QObject::connect(action, &QAction::toggled, action, [setting](bool on) { QSettings().setValue(setting, on); });
  list->addAction(action);
  return action;
}

}  // namespace

TMainForm::TMainForm(std::unique_ptr<TDialogs> dialogs, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<TQtDialogs>(this)),
      engine_(*this) {
  setWindowTitle(QStringLiteral("Extract\\Insert Tool"));
  setFixedSize(kFormWidth, kFormHeight);
  setWindowIcon(WindowIcon());
  BuildToolBar();
  BuildList();
  Results = Placed(new QTextEdit(this), "Results");
  Results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Results->setAcceptRichText(true);
  Results->viewport()->installEventFilter(this);
  BuildProcessGroup();
  BindCommands();
  updateActions();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

TMainForm::~TMainForm() = default;

void LoadShippedFonts() {
  // Always: a system may list fonts that draw nothing (a bare wine prefix does), and one font costs little.
  const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
  for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
    QFontDatabase::addApplicationFont(fonts.filePath(name));
}

QFont ProgramFont() {
  // 8-point MS Sans Serif, or the sans serif closest to it where the system lacks it (Qt cannot draw
  // its bitmap form, and wine has none): never the serif fallback.
  QFont font;
  font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"),
                    QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  return font;
}

void UseProgramFont() {
  // The application's, not the window's: dialogs Qt draws and widgets with style sheets take the
  // application's font, not their parent's.
  if (QApplication::font() != ProgramFont()) QApplication::setFont(ProgramFont());
}

void TMainForm::BuildToolBar() {
  ToolBar1 = Placed(new QToolBar(this), "ToolBar1");
  ToolBar1->setMovable(false);
  ToolBar1->setStyleSheet(QStringLiteral("QToolBar { border: 1px solid palette(mid); spacing: 0px; }"));
  BAddLog = MakeToolButton(ToolBar1, "BAddLog", 0);
  BSaveList = MakeToolButton(ToolBar1, "BSaveList", 1);
  BRemLog = MakeToolButton(ToolBar1, "BRemLog", 2);
  BClearAll = MakeToolButton(ToolBar1, "BClearAll", 5);
  BProcess = MakeToolButton(ToolBar1, "BProcess", 3);
  BExit = MakeToolButton(ToolBar1, "BExit", 4);
}

void TMainForm::BuildList() {
  LogList = Placed(new QListWidget(this), "LogList");
  LogList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  LogList->setUniformItemSizes(true);
  LogList->setAcceptDrops(true);
  LogList->viewport()->setAcceptDrops(true);
  LogList->viewport()->installEventFilter(this);
  // Settings a user rarely changes live in the list's context menu, out of the fixed layout's way.
  LogList->setContextMenuPolicy(Qt::ActionsContextMenu);
  PreviewFontAction = new QAction(tr("Preview font... (Ctrl+P)"), LogList);
  PreviewFontAction->setObjectName(QStringLiteral("PreviewFontAction"));
  connect(PreviewFontAction, &QAction::triggered, this, [this] { PreviewFont(); });
  AddFolderAction = new QAction(tr("Add folder... (a game's textures and fonts, the tree kept)"), LogList);
  AddFolderAction->setObjectName(QStringLiteral("AddFolderAction"));
  connect(AddFolderAction, &QAction::triggered, this, [this] { AddFolderClick(); });
  LogList->addAction(AddFolderAction);
  LogList->addAction(PreviewFontAction);
  DrawLettersAction = new QAction(tr("Draw new letters... (Ctrl+L)"), LogList);
  DrawLettersAction->setObjectName(QStringLiteral("DrawLettersAction"));
  connect(DrawLettersAction, &QAction::triggered, this, [this] { DrawLetters(); });
  LogList->addAction(DrawLettersAction);
  GlyphTableAction = new QAction(tr("Glyph table..."), LogList);
  GlyphTableAction->setObjectName(QStringLiteral("GlyphTableAction"));
  connect(GlyphTableAction, &QAction::triggered, this, [this] { GlyphTable(); });
  LogList->addAction(GlyphTableAction);
  PackWithZlib = SettingAction(LogList, "PackWithZlib", QT_TRANSLATE_NOOP("eit::TMainForm", "Pack textures with zlib (byte for byte as zlib level 1)"),
                               "packWithZlib");
  ExtractAsPng = SettingAction(LogList, "ExtractAsPng", QT_TRANSLATE_NOOP("eit::TMainForm", "Extract images as PNG (instead of BMP and TGA)"), "extractPng");
  ChangedOnly = SettingAction(LogList, "ChangedOnly", QT_TRANSLATE_NOOP("eit::TMainForm", "Write only edited files (inserts pass over unedited images)"),
                              "changedOnly");
  AboutAction = new QAction(tr("About... (F1)"), LogList);
  AboutAction->setObjectName(QStringLiteral("AboutAction"));
  connect(AboutAction, &QAction::triggered, this, [this] { About(); });
  LogList->addAction(AboutAction);
  BuildLanguageMenu();
  ViewAction = new QAction(tr("View... (F3, or a double click)"), LogList);
  ViewAction->setObjectName(QStringLiteral("ViewAction"));
  connect(ViewAction, &QAction::triggered, this, [this] { ViewImages(); });
  LogList->insertAction(AddFolderAction, ViewAction);
  auto* viewKey = new QShortcut(QKeySequence(Qt::Key_F3), this);
  connect(viewKey, &QShortcut::activated, this, [this] { ViewImages(); });
  connect(LogList, &QListWidget::itemDoubleClicked, this, [this] { ViewImages(); });
  connect(LogList, &QListWidget::currentRowChanged, this, [this](int row) {
    if (viewer_ != nullptr && viewer_->isVisible() && row >= 0) viewer_->ShowEntry(EntryAt(row));
  });
  auto* aboutKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(aboutKey, &QShortcut::activated, this, [this] { About(); });
  auto* previewKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
  connect(previewKey, &QShortcut::activated, this, [this] { PreviewFont(); });
  auto* drawKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
  connect(drawKey, &QShortcut::activated, this, [this] { DrawLetters(); });
}

void TMainForm::BuildLanguageMenu() {
  auto* menu = new QMenu(LogList);
  menu->setObjectName(QStringLiteral("LanguageMenu"));
  auto* group = new QActionGroup(menu);
  const QString current = CurrentLanguage();
  for (const TLanguage& language : Languages()) {
    QAction* item = menu->addAction(language.Name);
    item->setCheckable(true);
    item->setChecked(language.Code == current);
    item->setData(language.Code);
    group->addAction(item);
  }
  // Kept for the next start: the window's words are all set when it is built.
  connect(group, &QActionGroup::triggered, this, [this](QAction* item) {
    ChooseLanguage(item->data().toString());
    dialogs_->Information(tr("The program speaks %1 from its next start.").arg(item->text()).toStdString(),
                          tr("Language").toStdString());
  });
  LanguageAction = new QAction(tr("Language"), LogList);
  LanguageAction->setObjectName(QStringLiteral("LanguageAction"));
  LanguageAction->setMenu(menu);
  LogList->insertAction(AboutAction, LanguageAction);
}

void TMainForm::BuildProcessGroup() {
  GroupBox1 = Placed(new QGroupBox(tr(" Process "), this), "GroupBox1");
  // The frame line runs above the label and the buttons, the caption sits on it at the left.
  GroupBox1->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); margin-top: 5px; }"
      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px; top: -1px; }"));
  CurrentMessage = new QLabel(GroupBox1);
  CurrentMessage->setObjectName(QStringLiteral("CurrentMessage"));
  CurrentMessage->move(12, 16);
  Extracted = Placed(new QLabel(GroupBox1), "Extracted");
  SetExtracted(0);
  SaveLog = MakePushButton(GroupBox1, "SaveLog", QT_TRANSLATE_NOOP("eit::TMainForm", "Save results"));
  Stop = MakePushButton(GroupBox1, QT_TRANSLATE_NOOP("eit::TMainForm", "Stop"), QT_TRANSLATE_NOOP("eit::TMainForm", "Stop"));
  Progress = MakeBar(GroupBox1, "Progress");
  Total = MakeBar(GroupBox1, "Total");
}

void TMainForm::BindCommands() {
  const struct {
    QAbstractButton* button;
    void (TMainForm::*handler)();
    const char* tip;
    std::vector<QKeySequence> keys;
  } commands[] = {
      {BAddLog, &TMainForm::BAddLogClick, QT_TRANSLATE_NOOP("eit::TMainForm", "Add files to the list (Ctrl+O)"), {QKeySequence(Qt::CTRL | Qt::Key_O)}},
      {BSaveList, &TMainForm::BSaveListClick, QT_TRANSLATE_NOOP("eit::TMainForm", "Save the list as a project list (Ctrl+S)"),
       {QKeySequence(Qt::CTRL | Qt::Key_S)}},
      {BRemLog, &TMainForm::BRemLogClick, QT_TRANSLATE_NOOP("eit::TMainForm", "Remove the selected entries (Delete)"), {QKeySequence(Qt::Key_Delete)}},
      {BClearAll, &TMainForm::BClearAllClick, QT_TRANSLATE_NOOP("eit::TMainForm", "Remove all entries (Ctrl+Shift+Delete)"),
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)}},
      {BProcess, &TMainForm::BProcessClick, QT_TRANSLATE_NOOP("eit::TMainForm", "Process the list into a target directory (F5, Ctrl+R)"),
       {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)}},
      {BExit, &TMainForm::BExitClick, QT_TRANSLATE_NOOP("eit::TMainForm", "Exit (Ctrl+Q)"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
      {Stop, &TMainForm::StopClick, QT_TRANSLATE_NOOP("eit::TMainForm", "Stop the run after the file under way (Esc)"), {QKeySequence(Qt::Key_Escape)}},
      {SaveLog, &TMainForm::SaveLogClick, "", {}},
  };
  for (const auto& c : commands) {
    connect(c.button, &QAbstractButton::clicked, this, c.handler);
    if (*c.tip != 0) c.button->setToolTip(Words(c.tip));
    for (const QKeySequence& key : c.keys) {
      auto* shortcut = new QShortcut(key, this);
      QAbstractButton* button = c.button;
      // Through the button, so that a shortcut does nothing while its button is disabled.
      connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) button->click();
      });
    }
  }
}

void TMainForm::updateActions() {
  // No second run inside the first, and no list that changes under it. Stop can be pressed for the
  // whole run: the click waits in the queue until the entry under way is done.
  BAddLog->setEnabled(!running_);
  BClearAll->setEnabled(!running_ && clearReady_);
  for (QToolButton* b : {BRemLog, BProcess, BSaveList}) b->setEnabled(!running_ && listReady_);
  BExit->setEnabled(true);
  Stop->setEnabled(running_ && !stopAsked_);
  SaveLog->setEnabled(!inJob_ && saveable_);
}

}  // namespace eit
