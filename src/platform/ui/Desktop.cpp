#include "platform/ui/Desktop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLibraryInfo>
#include <QLocale>
#include <QScrollBar>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace trelimor::ui {

namespace {

// The combo boxes met while polishing widgets get their list widened, once each.
class ComboPopupWidener : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Polish) {
            if (auto* combo = qobject_cast<QComboBox*>(watched))
                widenPopupToItems(*combo);
        }
        return QObject::eventFilter(watched, event);
    }
};

// The list's width: its widest item, the list's frame and, when not every item shows at once,
// its scroll bar.
int popupWidth(const QComboBox& combo)
{
    const QAbstractItemView* view = combo.view();
    int width = view->sizeHintForColumn(combo.modelColumn()) +
                2 * view->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    if (combo.count() > combo.maxVisibleItems())
        width += view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view->verticalScrollBar());
    return width;
}

} // namespace

void widenComboPopups()
{
    static ComboPopupWidener* widener = nullptr;
    if (widener)
        return;
    widener = new ComboPopupWidener(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(widener);
}

void widenPopupToItems(QComboBox& combo)
{
    static const char* const kWidened = "trelimorPopupWidened";
    static const char* const kPending = "trelimorPopupWidthPending";
    combo.view()->setMinimumWidth(popupWidth(combo));
    if (combo.property(kWidened).toBool())
        return;
    combo.setProperty(kWidened, true);
    // A list filled item by item is measured once, when the filling is over.
    QComboBox* box = &combo;
    const auto refit = [box] {
        if (box->property(kPending).toBool())
            return;
        box->setProperty(kPending, true);
        QMetaObject::invokeMethod(
            box,
            [box] {
                box->setProperty(kPending, false);
                box->view()->setMinimumWidth(popupWidth(*box));
            },
            Qt::QueuedConnection);
    };
    QAbstractItemModel* model = combo.model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, box, refit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, box, refit);
    QObject::connect(model, &QAbstractItemModel::modelReset, box, refit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, box, refit);
}

QFont windowFont()
{
    QFont font(u"Liberation Sans"_s, 8);
    // Should the face be missing, a sans-serif face of the same size stands in for it.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void useWindowFont()
{
    QApplication::setFont(windowFont());
}

void useDesktopLook()
{
    useWindowFont();
    widenComboPopups();
    usePolishLanguage();
}

QTranslator* usePolishLanguage()
{
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    // Kept for the whole run: the application only refers to an installed translator.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(polish, u"qtbase"_s, u"_"_s, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace trelimor::ui
