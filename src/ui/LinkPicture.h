#pragma once

#include <QWidget>

namespace qx740 {

// A 25 x 24 picture of a computer and a meter, with lit or dark screens: the link indicator.
class LinkPicture : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 25;
    static constexpr int kHeight = 24;

    // A picture with lit screens when lit is true, dark screens otherwise.
    explicit LinkPicture(bool lit, QWidget* parent = nullptr);

    // Whether the screens are drawn lit.
    bool isLit() const { return m_lit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_lit;
};

} // namespace qx740
