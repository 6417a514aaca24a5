#pragma once

#include <QFrame>

class MouseLabel;

// The texts of the links that every window shares.
namespace brandtext {
inline constexpr char FullBrand[] =
    "Home Business Opportunity. Start your own Internet business and make money online. "
    "Get this software fully branded for your website. Click here for more details.";
// The designer's doubled ampersand shows as a single one.
inline constexpr char CoBrand[] = "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                                  "Put your site's name &  link here. See \"Help\" for details.    "
                                  "Click Here for more info on co-branding.";
QString forumBanner();
} // namespace brandtext

// The advertising strip at the bottom of a quiz window: the fully-branded offer in front,
// covering the co-branding offer of the same size and place.
class BrandStrip : public QFrame {
public:
    BrandStrip(const char* objectName, QWidget* parent);

    MouseLabel* lblFullBrand;
    MouseLabel* lblCobrand;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

// The banner across the top of a quiz window that invites the user to the maker's forum.
MouseLabel* newForumBanner(QWidget* parent);
