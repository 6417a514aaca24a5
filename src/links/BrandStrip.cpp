#include "links/BrandStrip.h"

#include "links/modHelp.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"
#include "widgets/Panels.h"

namespace {

MouseLabel* newOffer(const char* objectName, const char* text, QWidget* strip, void (*linkOperation)())
{
    MouseLabel* label = newLinkLabel(QString::fromLatin1(objectName), QString::fromLatin1(text), strip, linkOperation);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(look::verdana(8.25, true));
    look::setBackground(label, look::StripBlue);
    look::setTextColour(label, look::OfferText);
    return label;
}

} // namespace

QString brandtext::forumBanner()
{
    return QStringLiteral("Zelt Noggle Forum, the most popular brain teaser forum on the web. "
                          "Visit us at %1")
        .arg(modHelp::ForumAddress());
}

BrandStrip::BrandStrip(const char* objectName, QWidget* parent)
    : QFrame(parent)
    , lblFullBrand(newOffer("lblFullBrand", brandtext::FullBrand, this, modHelp::GoToFullyBranded))
    , lblCobrand(newOffer("lblCobrand", brandtext::CoBrand, this, modHelp::GoToCoBrand))
{
    setObjectName(QString::fromLatin1(objectName));
    look::setBackground(this, look::StripBlue);
    // The co-branding offer lies under the fully-branded one, where nobody can reach it.
    panels::bringToFront(lblFullBrand, {lblCobrand, lblFullBrand});
}

void BrandStrip::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    lblCobrand->setGeometry(rect());
    lblFullBrand->setGeometry(rect());
}

MouseLabel* newForumBanner(QWidget* parent)
{
    MouseLabel* banner = newLinkLabel(QStringLiteral("Label61"), brandtext::forumBanner(), parent,
                                      modHelp::GoToHomePage);
    banner->setAlignment(Qt::AlignCenter);
    banner->setWordWrap(true);
    banner->setFont(look::verdana(8.25, true));
    look::setBackground(banner, look::StripBlue);
    look::setTextColour(banner, look::BannerText);
    return banner;
}
