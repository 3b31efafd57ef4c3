#include "LeftBarPanel.h"

#include "ClickLabel.h"
#include "NameBox.h"
#include "platform/LiteralText.h"
#include "platform/Resources.h"
#include "platform/Twips.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTreeWidget>

#include <algorithm>

namespace {

using L = LeftBarLayout;

// The links' designed left edges: their captions differ in width.
constexpr int LinkLeft[L::Count] = {870, 690, 690, 660};
constexpr int ContentLeft = 60;
constexpr int ContentWidth = 2235;
constexpr int TreeLeft = 90;
constexpr int TreeWidth = 2175;
constexpr int ArrowLeft = 2040;
constexpr int ArrowTop = 930;
constexpr int ArrowSize = 105;

QRect twips(int left, int top, int width, int height) {
    return {Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
            Twips::toPixels(height)};
}

const QPixmap& arrowPicture(bool up) {
    static const QPixmap picUp = Resources::icon(QStringLiteral("arrow-up")).pixmap(QSize(7, 7));
    static const QPixmap picDown =
        Resources::icon(QStringLiteral("arrow-down")).pixmap(QSize(7, 7));
    return up ? picUp : picDown;
}

} // namespace

LeftBarPanel::LeftBarPanel(int index, const QString& title, const QString& caption,
                           const QString& boxName, QWidget* parent)
    : QWidget(parent), m_title(title) {
    setObjectName(QStringLiteral("picSep%1").arg(index));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    // Only the gaps between panels belong to the splitter.
    setAttribute(Qt::WA_NoMousePropagation);
    setCursor(Qt::ArrowCursor);

    auto* titleLabel = LiteralText::label(title, this);
    titleLabel->setObjectName(QStringLiteral("lblBarTitle%1").arg(index));
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    titleLabel->move(Twips::toPixels(ContentLeft), Twips::toPixels(60));
    titleLabel->resize(Twips::toPixels(ContentWidth), titleLabel->sizeHint().height());

    auto* captionLabel = LiteralText::label(caption, this);
    captionLabel->setObjectName(QStringLiteral("lblSlot%1").arg(index));
    captionLabel->setGeometry(twips(ContentLeft, 300, ContentWidth, 225));

    m_box = new NameBox(this);
    m_box->setObjectName(boxName);
    m_box->setGeometry(twips(ContentLeft, 540, ContentWidth, 285));
    captionLabel->setBuddy(m_box);

    m_link = new ClickLabel(this);
    m_link->setObjectName(QStringLiteral("lblShow%1").arg(index));
    QFont underlined = m_link->font();
    underlined.setUnderline(true);
    m_link->setFont(underlined);
    m_link->setForegroundRole(QPalette::Link);

    m_arrow = new ClickLabel(this);
    m_arrow->setObjectName(QStringLiteral("picShow%1").arg(index));
    m_arrow->setGeometry(twips(ArrowLeft, ArrowTop, ArrowSize, ArrowSize));

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("treeBar%1").arg(index));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setColumnCount(1);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);

    showExpanded(false);
    const QFontMetrics metrics(m_link->font());
    const int linkWidth = std::max(metrics.horizontalAdvance(QStringLiteral("Show ") + title),
                                   metrics.horizontalAdvance(QStringLiteral("Hide ") + title)) +
                          2;
    m_link->setGeometry(Twips::toPixels(LinkLeft[index]), Twips::toPixels(L::LinkTop), linkWidth,
                        Twips::toPixels(L::LinkHeight));
}

void LeftBarPanel::place(const LeftBarLayout::Panel& geometry) {
    setGeometry(twips(L::PanelLeft, geometry.top, L::BarWidth, geometry.height));
    m_tree->setGeometry(twips(TreeLeft, L::TreeTop, TreeWidth, geometry.treeHeight));
}

void LeftBarPanel::showExpanded(bool expanded) {
    m_tree->setVisible(expanded);
    m_arrow->setPixmap(arrowPicture(expanded));
    m_link->setText((expanded ? QStringLiteral("Hide ") : QStringLiteral("Show ")) + m_title);
}
