#include "localisation/rvDialogs.h"

#include "localisation/fktSprache.h"
#include "platform/Environment.h"
#include "platform/MulDiv.h"
#include "platform/desktop/Desktop.h"
#include "platform/dialogs/ModalSeam.h"
#include "platform/fs/PathNames.h"
#include "platform/toolkit/ShellViews.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>


namespace {

// Dialog units of a font: the average width of the 52 letters, and the height.
struct DialogUnits {
    int X;
    int Y;
};

DialogUnits MeasureDialogUnits(const QFontMetrics &fm)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {fm.horizontalAdvance(letters) / 52, fm.height()};
}

// extent / parts rounded to the nearest integer, halves to the even neighbour (extent >= 0, parts >= 1)
int RoundHalfEvenDiv(int extent, int parts)
{
    const int q = extent / parts;
    const int twiceRest = 2 * (extent % parts);
    if (twiceRest > parts || (twiceRest == parts && q % 2 != 0))
        return q + 1;
    return q;
}

QRect ScreenGeometry()
{
    return QGuiApplication::primaryScreen()->geometry();
}

void CentreOnScreen(QWidget &form)
{
    const QRect screen = ScreenGeometry();
    form.move(screen.left() + screen.width() / 2 - form.width() / 2,
              screen.top() + screen.height() / 2 - form.height() / 2);
}

// A lone CR is a line break on screen, as is CR LF.
QString DisplayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

struct ButtonKind {
    const char *Name;
    int ModalResult;
};

constexpr std::array<ButtonKind, ButtonKindCount> ButtonKinds = {{
    {"Yes", mrYes}, {"No", mrNo}, {"OK", mrOk}, {"Cancel", mrCancel}, {"Abort", mrAbort},
    {"Retry", mrRetry}, {"Ignore", mrIgnore}, {"All", mrAll}, {"NoToAll", mrNoToAll},
    {"YesToAll", mrYesToAll}, {"Help", mrNone},
}};

bool InSet(TMsgDlgButtons set, TMsgDlgBtn kind)
{
    return (set >> kind) & 1u;
}

int DefaultButtonKind(TMsgDlgButtons set)
{
    for (TMsgDlgBtn k : {mbOK, mbYes, mbRetry})
        if (InSet(set, k))
            return k;
    return -1;
}

int CancelButtonKind(TMsgDlgButtons set)
{
    for (TMsgDlgBtn k : {mbCancel, mbNo, mbAbort, mbOK})
        if (InSet(set, k))
            return k;
    return -1;
}

QStyle::StandardPixmap KindIcon(TMsgDlgType type)
{
    switch (type) {
    case mtWarning: return QStyle::SP_MessageBoxWarning;
    case mtError: return QStyle::SP_MessageBoxCritical;
    case mtInformation: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_MessageBoxQuestion;
    }
}

bool HasIcon(TMsgDlgType type)
{
    return type < mtCustom;
}

// Absolute form of a path: relative to the current directory, "." and ".." resolved.
QString ExpandFileName(const QString &path)
{
    QString full = path;
    if (!full.startsWith(QLatin1Char('/'))) {
        if (const QString current = CurrentFolder(); !current.isEmpty())
            full = fs::joinPath(current, path);
    }
    return QDir::cleanPath(full);
}

} // namespace

// ---- Gradient -------------------------------------------------------------------

std::vector<GradientLine> GradientLines(const QRect &Rect, std::uint8_t Direction,
                                        const std::vector<QColor> &Colors)
{
    const int n = static_cast<int>(Colors.size());
    if (n < 2)
        throw EMathError("Es müssen mindestens zwei Farben angegeben werden.");

    const int extent = Direction != 0 ? Rect.width() : Rect.height();
    std::vector<GradientLine> lines;
    if (extent <= 0)
        return lines;

    struct Rgb {
        int r, g, b;
    };
    std::vector<Rgb> rgb;
    rgb.reserve(Colors.size());
    for (const QColor &c : Colors) {
        const QColor plain = c.toRgb();
        rgb.push_back({plain.red(), plain.green(), plain.blue()});
    }

    const int seg = RoundHalfEvenDiv(extent, n - 1);
    lines.reserve(static_cast<size_t>(extent) + static_cast<size_t>(n));
    for (int j = 0; j <= n - 2; ++j) {
        const int len = j == n - 2 ? extent - j * seg - 1 : seg;
        const Rgb &from = rgb[j];
        const Rgb &to = rgb[j + 1];
        for (int k = 0; k <= len; ++k) {
            const int p = j * seg + k;
            if (p >= extent) // more colours than pixels: never draw outside the rectangle
                break;
            // A segment of length 0 is its single line in its end colour.
            const auto channel = [&](int a, int b) { return len == 0 ? b : a + (b - a) * k / len; };
            GradientLine line;
            line.Color = QColor(channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b));
            if (Direction != 0) {
                line.From = QPoint(Rect.left() + p, Rect.top());
                line.To = QPoint(Rect.left() + p, Rect.top() + Rect.height());
            } else {
                line.From = QPoint(Rect.left(), Rect.top() + p);
                line.To = QPoint(Rect.left() + Rect.width(), Rect.top() + p);
            }
            lines.push_back(line);
        }
    }
    return lines;
}

void DrawGradient(QPainter &Canvas, const QRect &Rect, std::uint8_t Direction,
                  const std::vector<QColor> &Colors)
{
    const std::vector<GradientLine> lines = GradientLines(Rect, Direction, Colors);
    const QPen saved = Canvas.pen();
    QPen pen(Qt::SolidLine);
    pen.setWidth(1);
    for (const GradientLine &line : lines) {
        // The end point is not drawn.
        const QPoint last = line.To - (Direction != 0 ? QPoint(0, 1) : QPoint(1, 0));
        if (Direction != 0 ? last.y() < line.From.y() : last.x() < line.From.x())
            continue;
        pen.setColor(line.Color);
        Canvas.setPen(pen);
        Canvas.drawLine(line.From, last);
    }
    Canvas.setPen(saved);
}

// ---- Texts ------------------------------------------------------------------------

const std::array<std::array<QString, ButtonKindCount>, 5> DialogButtonTexts = {{
    {"&Ja", "&Nein", "OK", "Abbrechen", "&Abbrechen", "&Wiederholen", "&Ignorieren", "&Alle",
     "&Alle Nein", "A&lle Ja", "&Hilfe"},
    {"&Yes", "&No", "OK", "Abort", "&Abort", "&Retry", "&Ignore", "&All", "&No To All", "Yes To A&ll",
     "&Help"},
    {"&Ja", "&Nee", "OK", QString::fromUtf8("Beëindigen"), QString::fromUtf8("&Beëindigen"), "&Herhalen",
     "&Negeren", "&Alle", "&Nee op alles", "&Ja op alles", "&Help"},
    {"&Si", "&No", "OK", "Cancelar", "&Cancelar", "&Repetir", "&Ignorar", "&Todos", "&No a Todos",
     "&Si a Todos", "&Ayuda"},
    {"&Oui", "&Non", "OK", "Interrompre", "&Interrompre", QString::fromUtf8("&Répéter"),
     QString::fromUtf8("&Négliger"), "&Tout", "&Tout Non", "T&out Oui", "&L`aide"},
}};

const std::array<std::array<QString, 4>, 5> DialogCaptions = {{
    {"Warnung", "Fehler", "Information", QString::fromUtf8("Bestätigung")},
    {"Warning", "Error", "Information", "Confirm"},
    {"Let op", "Fout", "Informatie", "Bevestig"},
    {"Advertencia", "Error", QString::fromUtf8("Información"), QString::fromUtf8("Confirmación")},
    {"Avertissement", "Erreur", "Informations", "Confirmation"},
}};

std::array<int, ButtonKindCount> DialogButtonWidths{};

int DialogLanguageRow(const QString &LangName)
{
    const QString lower = LangName.toLower();
    for (int i = 0; i < int(LanguageNames.size()); ++i)
        if (lower == LanguageNames[i])
            return i;
    return 0;
}

// ---- Forms ------------------------------------------------------------------------

TGradientDialog::TGradientDialog(QWidget *parent) : QDialog(parent)
{
    setFont(QApplication::font("QMessageBox"));
}

QPushButton *TGradientDialog::AddButton(const QString &Name, const QString &Caption, int ModalResult)
{
    auto *button = new QPushButton(Caption, this);
    button->setObjectName(Name);
    if (ModalResult != mrNone)
        connect(button, &QPushButton::clicked, this, [this, ModalResult] { done(ModalResult); });
    return button;
}

void TGradientDialog::SetDefaultButton(QPushButton *Button)
{
    Button->setDefault(true);
    Button->setFocus();
}

void TGradientDialog::reject()
{
    done(mrCancel);
}

void TGradientDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawGradient(painter, rect(), 1, {QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0)});
}

void TGradientDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Esc presses the cancel button; without one it does nothing.
        if (cancelButton_)
            cancelButton_->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TMessageForm::TMessageForm(QWidget *parent) : TGradientDialog(parent) {}

void TMessageForm::HelpButtonClick()
{
    if (!HelpFile.isEmpty())
        ShellOpen(ExpandFileName(HelpFile), QString(), QString(), 0);
}

// ---- Message box --------------------------------------------------------------

int CaptionWidth(const QString &Caption)
{
    const QFontMetrics fm(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    return fm.horizontalAdvance(Caption) + 5 * fm.height();
}

std::unique_ptr<TMessageForm> CreateMessageDialog(const QString &Msg, TMsgDlgType DlgType,
                                                  TMsgDlgButtons Buttons, const QString &LangName)
{
    auto form = std::make_unique<TMessageForm>();
    const int row = DialogLanguageRow(LangName);
    const QFontMetrics fm(form->font());
    const DialogUnits du = MeasureDialogUnits(fm);

    const int HorzMargin = MulDiv(8, du.X, 4);
    const int VertMargin = MulDiv(8, du.Y, 8);
    const int HorzSpacing = MulDiv(10, du.X, 4);
    const int VertSpacing = MulDiv(10, du.Y, 8);
    int ButtonWidth = MulDiv(50, du.X, 4);
    int buttonCount = 0;
    for (int k = 0; k < ButtonKindCount; ++k) {
        if (!InSet(Buttons, TMsgDlgBtn(k)))
            continue;
        ++buttonCount;
        if (DialogButtonWidths[k] == 0)
            DialogButtonWidths[k] =
                fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, DialogButtonTexts[row][k]).width() + 8;
        ButtonWidth = std::max(ButtonWidth, DialogButtonWidths[k]);
    }
    const int ButtonHeight = MulDiv(14, du.Y, 8);
    const int ButtonSpacing = MulDiv(4, du.X, 4);

    const QString shown = DisplayText(Msg);
    const QRect textRect =
        fm.boundingRect(QRect(0, 0, ScreenGeometry().width() / 2, 0),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs, shown);
    const int textWidth = textRect.width();
    const int textHeight = textRect.height();

    const bool icon = HasIcon(DlgType);
    int IconTextWidth = textWidth;
    int IconTextHeight = textHeight;
    if (icon) {
        IconTextWidth += 32 + HorzSpacing;
        IconTextHeight = std::max(IconTextHeight, 32);
    }
    const int ButtonGroupWidth = buttonCount == 0 ? 0 : buttonCount * ButtonWidth + (buttonCount - 1) * ButtonSpacing;
    const QString caption = icon ? DialogCaptions[row][DlgType] : QGuiApplication::applicationDisplayName();
    // A short message must not cut the caption in the window frame.
    const int ClientWidth =
        std::max(std::max(IconTextWidth, ButtonGroupWidth) + 2 * HorzMargin, CaptionWidth(caption));
    const int ClientHeight = IconTextHeight + ButtonHeight + VertSpacing + 2 * VertMargin;
    form->setFixedSize(ClientWidth, ClientHeight);
    CentreOnScreen(*form);

    form->setWindowTitle(caption);

    if (icon) {
        auto *image = new QLabel(form.get());
        image->setObjectName(QStringLiteral("Image"));
        image->setGeometry(HorzMargin, VertMargin, 32, 32);
        image->setPixmap(form->style()->standardIcon(KindIcon(DlgType), nullptr, form.get()).pixmap(32, 32));
    }

    auto *message = new QLabel(form.get());
    message->setObjectName(QStringLiteral("Message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setText(shown);
    int messageLeft = IconTextWidth - textWidth + HorzMargin;
    if (form->layoutDirection() == Qt::RightToLeft)
        messageLeft = ClientWidth - messageLeft - textWidth;
    message->setGeometry(messageLeft, VertMargin, textWidth, textHeight);

    const int defaultKind = DefaultButtonKind(Buttons);
    const int cancelKind = CancelButtonKind(Buttons);
    int x = (ClientWidth - ButtonGroupWidth) / 2;
    const int y = IconTextHeight + VertMargin + VertSpacing;
    TMessageForm *owner = form.get();
    for (int k = 0; k < ButtonKindCount; ++k) {
        if (!InSet(Buttons, TMsgDlgBtn(k)))
            continue;
        QPushButton *button = form->AddButton(QString::fromLatin1(ButtonKinds[k].Name),
                                              DialogButtonTexts[row][k], ButtonKinds[k].ModalResult);
        if (k == defaultKind)
            form->SetDefaultButton(button);
        if (k == cancelKind)
            form->SetCancelButton(button);
        if (k == mbHelp)
            QObject::connect(button, &QPushButton::clicked, owner, [owner] { owner->HelpButtonClick(); });
        button->setGeometry(x, y, ButtonWidth, ButtonHeight);
        x += ButtonWidth + ButtonSpacing;
    }
    return form;
}

int MessageDlgPosHelp(const QString &Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
                      int X, int Y, const QString &HelpFileName, const QString &LangName)
{
    std::unique_ptr<TMessageForm> form = CreateMessageDialog(Msg, DlgType, Buttons, LangName);
    form->HelpContext = HelpCtx;
    form->HelpFile = HelpFileName;
    if (X >= 0)
        form->move(X, form->y());
    if (Y >= 0)
        form->move(form->x(), Y);

    ModalRecord record;
    record.kind = QStringLiteral("MessageDlg");
    record.caption = form->windowTitle();
    record.text = Msg;
    const int row = DialogLanguageRow(LangName);
    for (int k = 0; k < ButtonKindCount; ++k)
        if (InSet(Buttons, TMsgDlgBtn(k)))
            record.buttons << DialogButtonTexts[row][k];
    record.dlgType = DlgType;
    record.buttonSet = Buttons;
    return ModalSeam::exec(*form, record);
}

int MessageDlg(const QString &Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx,
               const QString &LangName)
{
    return MessageDlgPosHelp(Msg, DlgType, Buttons, HelpCtx, -1, -1, QString(), LangName);
}

// ---- Input question -------------------------------------------------------------

bool InputQuery(const QString &Caption, const QString &Prompt, QString &Value, const QString &LangName)
{
    TQueryForm form;
    const int row = DialogLanguageRow(LangName);
    const DialogUnits du = MeasureDialogUnits(QFontMetrics(form.font()));

    form.setWindowTitle(Caption);
    form.setFixedSize(MulDiv(180, du.X, 4), MulDiv(63, du.Y, 8));
    CentreOnScreen(form);

    auto *prompt = new QLabel(&form);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setText(Prompt);
    prompt->adjustSize();
    prompt->move(MulDiv(8, du.X, 4), MulDiv(8, du.Y, 8));

    auto *edit = new QLineEdit(&form);
    edit->setGeometry(prompt->x(), MulDiv(19, du.Y, 8), MulDiv(164, du.X, 4), edit->sizeHint().height());
    edit->setMaxLength(255);
    edit->setText(Value);
    edit->selectAll();
    edit->setFocus();

    const int buttonTop = MulDiv(41, du.Y, 8);
    const int buttonWidth = MulDiv(50, du.X, 4);
    const int buttonHeight = MulDiv(14, du.Y, 8);
    QPushButton *ok = form.AddButton(QStringLiteral("OKButton"), DialogButtonTexts[row][mbOK], mrOk);
    ok->setGeometry(MulDiv(38, du.X, 4), buttonTop, buttonWidth, buttonHeight);
    ok->setDefault(true);
    QPushButton *cancel =
        form.AddButton(QStringLiteral("CancelButton"), DialogButtonTexts[row][mbCancel], mrCancel);
    cancel->setGeometry(MulDiv(92, du.X, 4), buttonTop, buttonWidth, buttonHeight);
    form.SetCancelButton(cancel);

    ModalRecord record;
    record.kind = QStringLiteral("InputQuery");
    record.caption = Caption;
    record.text = Prompt;
    record.buttons = {ok->text(), cancel->text()};
    if (ModalSeam::exec(form, record) != mrOk)
        return false;
    Value = edit->text();
    return true;
}

// ---- Folder dialog --------------------------------------------------------------

QString DialogCaption;
QString DialogPrompt;
QString DialogLanguage;
QString DialogOKText;
QString DialogAbortText;

TSelectDirDlg::TSelectDirDlg(QWidget *parent) : TGradientDialog(parent)
{
    setWindowTitle(DialogCaption);
    setFixedSize(280, 320);
    CentreOnScreen(*this);

    const int row = DialogLanguageRow(DialogLanguage);
    DialogOKText = DialogButtonTexts[row][mbOK];
    DialogAbortText = DialogButtonTexts[row][mbAbort];

    LabelUeberschrift = new QLabel(this);
    LabelUeberschrift->setObjectName(QStringLiteral("LabelUeberschrift"));
    LabelUeberschrift->setTextFormat(Qt::PlainText);
    LabelUeberschrift->setWordWrap(true);
    LabelUeberschrift->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelUeberschrift->setText(DialogPrompt);
    LabelUeberschrift->setGeometry(15, 10, 250, 26);

    ShellTreeView = new TShellTreeView(this, QStringLiteral("ShellTreeView"));
    ShellTreeView->setGeometry(15, 48, 250, 225);

    OKButton = AddButton(QStringLiteral("OKButton"), DialogOKText, mrOk);
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton, nullptr, this));
    OKButton->setGeometry(20, 285, 100, 25);
    OKButton->setDefault(true);

    NoButton = AddButton(QStringLiteral("NoButton"), QString(), mrNo);
    NoButton->setIcon(style()->standardIcon(QStyle::SP_DialogNoButton, nullptr, this));
    NoButton->setGeometry(125, 285, 30, 25);
    SetCancelButton(NoButton);

    AbortButton = AddButton(QStringLiteral("AbortButton"), DialogAbortText, mrAbort);
    AbortButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton, nullptr, this));
    AbortButton->setGeometry(160, 285, 100, 25);

    setTabOrder(ShellTreeView, OKButton);
    setTabOrder(OKButton, NoButton);
    setTabOrder(NoButton, AbortButton);
    // With the tree focused, Enter presses OK (the tree passes Enter on to the dialog).
    ShellTreeView->setFocus();
}

void TSelectDirDlg::SetDialogDirectory(const QString &Folder)
{
    if (Folder.isEmpty())
        return;
    QString p = ExpandFileName(fs::joinPath(Folder, QStringLiteral("*.*")));
    p.truncate(p.lastIndexOf(QLatin1Char('/')) + 1);
    if (p != QLatin1String("/"))
        p.chop(1);
    // A folder that does not exist opens at its nearest existing parent, at worst "/".
    while (!ShellTreeView->setPath(p) && p != QLatin1String("/")) {
        const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
        p.truncate(slash > 0 ? slash : 1);
    }
}

QString TSelectDirDlg::GetDialogDirectory() const
{
    return ShellTreeView->Path();
}

void TSelectDirDlg::ScaleBy(int M, int D)
{
    const auto scaled = [M, D](const QRect &r) {
        return QRect(MulDiv(r.x(), M, D), MulDiv(r.y(), M, D), MulDiv(r.width(), M, D),
                     MulDiv(r.height(), M, D));
    };
    setFixedSize(MulDiv(width(), M, D), MulDiv(height(), M, D));
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setGeometry(scaled(child->geometry()));
}

int SelectDirectory(QString &Folder, const QString &Caption, const QString &Prompt, const QString &LangName)
{
    DialogCaption = Caption;
    DialogPrompt = Prompt;
    DialogLanguage = LangName;

    TSelectDirDlg dialog;
    dialog.SetDialogDirectory(Folder);
    const int ppi = qRound(dialog.screen()->logicalDotsPerInch());
    if (ppi != 96) {
        dialog.ScaleBy(ppi, 96);
        CentreOnScreen(dialog);
    }

    ModalRecord record;
    record.kind = QStringLiteral("SelectDirectory");
    record.caption = Caption;
    record.text = Prompt;
    record.buttons = {dialog.OKButton->text(), dialog.NoButton->text(), dialog.AbortButton->text()};
    const int result = ModalSeam::exec(dialog, record);
    if (result == mrOk) {
        Folder = dialog.GetDialogDirectory();
        if (!Folder.startsWith(QLatin1Char('/')))
            Folder.clear();
    } else if (result == mrNo) {
        Folder.clear();
    }
    return result;
}
