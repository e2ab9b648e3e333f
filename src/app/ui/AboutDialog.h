#pragma once
#include <QDialog>
#include <array>
#include <functional>

class LinkLabel;

// The About box: Plecta, its version and licence, and four links to public Catalan language
// resources. Closed by its only button or Escape.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
    const std::array<LinkLabel *, 4> &links() const { return m_links; }
    // What the links open their targets with (the desktop by default).
    void setOpener(const std::function<bool(const QString &)> &opener);

private:
    std::array<LinkLabel *, 4> m_links{};
};
