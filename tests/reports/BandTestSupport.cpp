#include "tests/reports/BandTestSupport.h"

#include "reports/PageMetrics.h"

BandPage::BandPage() {
    body.CreateFont(-15, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    info.m_rectDraw = recorder.PageRectDevice();
    Draw([this](CDC* pDC) {
        TEXTMETRICA tm{};
        pDC->GetTextMetrics(&tm);
        lineHeight = tm.tmHeight + tm.tmExternalLeading;
        gap = tm.tmAveCharWidth;
        W = PageWidth(pDC, &info);
    });
}

RecordedPage BandPage::Draw(const std::function<void(CDC*)>& fn) {
    return recorder.RecordPage([&](CDC* pDC) {
        pDC->SetMapMode(MM_LOENGLISH);
        HGDIOBJ hOld = pDC->SelectObject(&body);
        fn(pDC);
        pDC->SelectObject(hOld);
    });
}

CPrtSection* MakeBand(std::initializer_list<std::initializer_list<const char*>> columns) {
    CPrtSection* pBand = new CPrtSection;
    for (const auto& lines : columns) {
        CPrtCol* pCol = pBand->AddColumn();
        for (const char* p : lines) pCol->AddLine(p);
    }
    return pBand;
}
