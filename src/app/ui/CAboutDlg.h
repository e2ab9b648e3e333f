#pragma once
#include <QDialog>
#include <array>
#include <functional>

class CStaticLink;

// The About box: Plecta, its version and licence, and four links to public Catalan language
// resources. Closed by its only button or Escape.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
    const std::array<CStaticLink *, 4> &links() const { return m_links; }
    // What the links open their targets with (the desktop by default).
    void setOpener(const std::function<bool(const QString &)> &opener);

private:
    std::array<CStaticLink *, 4> m_links{};
};
