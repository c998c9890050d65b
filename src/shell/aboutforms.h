#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Sobre": the product's picture and the maker's addresses; a click on the
// picture closes it.
class TSobreForm : public QDialog
{
    Q_OBJECT
public:
    explicit TSobreForm(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// "Histórico das Versões": what each version brought, read-only.
class THistoricoForm : public QDialog
{
    Q_OBJECT
public:
    explicit THistoricoForm(QWidget *parent = nullptr);
    static QStringList lines();
    QPlainTextEdit *text() const { return m_text; }

private:
    QPlainTextEdit *m_text;
};
