#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

class OptionSection;
class QLineEdit;
class QParallelAnimationGroup;

// The options accordion: four sections stacked top to bottom (title and size, logo,
// watermark, copyright), each always showing its header, at most one open. The header
// pictures record which one is open. Frame changes are animated; geometry() answers the frame
// each section is heading for.
class SectionPanel : public QWidget {
    Q_OBJECT
public:
    enum Section { TitleAndSize = 0, Logo = 1, Watermark = 2, Copyright = 3 };

    SectionPanel(OptionSection *titleAndSize, OptionSection *logo, OptionSection *watermark,
                 OptionSection *copyright, QLineEdit *widthField, QLineEdit *heightField,
                 QWidget *parent = nullptr);

    OptionSection *section(Section which) const { return m_sections.at(which); }
    // The frame a section has, or will have once its animation ends.
    QRect targetFrame(Section which) const { return m_frames.at(which); }
    // 0 when all are closed, else 1 + the open section (as the settings record it).
    int openSectionCode() const;
    void setAnimated(bool animated) { m_animated = animated; }

    // The header actions.
    void toggleTitleSection();
    void toggleLogoSection(bool keepOpened = false);
    void toggleWatermarkSection();
    void toggleCopyrightSection();
    // Collapses and stacks all four (all closed).
    void collapseAll();

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool isOpen(Section which) const;
    void setHeaderImages(int open); // -1 for none
    void hideClosedBodies();
    void restack();
    void apply(const QList<Section> &order);

    QList<OptionSection *> m_sections;
    QList<QRect> m_frames;
    QLineEdit *m_widthField;
    QLineEdit *m_heightField;
    QParallelAnimationGroup *m_animation = nullptr;
    bool m_animated = true;
};
