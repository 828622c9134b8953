#pragma once

#include "painterpagesurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>

// A PDF written in memory: PDF/A-1b with its fonts embedded as named subsets,
// for registers that are kept for years. Draw a run on surface(), then take bytes().
class PdfDocument
{
public:
    explicit PdfDocument(const QString &title, const SimulatedMargins &margins = {});

    PageSurface &surface() { return m_surface; }
    QByteArray bytes() const;

private:
    QByteArray m_bytes;
    QBuffer m_buffer{&m_bytes};
    QPdfWriter m_writer{&m_buffer};
    PainterPageSurface m_surface;
};
