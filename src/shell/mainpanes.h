#pragma once

namespace td {

class BrowserPane;

// The main window's browser panes. Read-back panes fetch their markup
// themselves; display panes only show pages.
struct MainPanes
{
    // Read back.
    BrowserPane* wbrStockContent = nullptr;
    BrowserPane* wbrQuoteAll = nullptr;
    BrowserPane* wbrHandelssignal = nullptr;
    BrowserPane* wbrHandelssignalLang = nullptr;
    BrowserPane* wbrVersion = nullptr;
    // Shown.
    BrowserPane* wbrRealTimeQuote = nullptr;
    BrowserPane* wbrRealTimeChart = nullptr;
    BrowserPane* wbrRealTimeNASDAQ = nullptr;
    BrowserPane* wbrHistorie = nullptr;
    BrowserPane* wbrTechnicalChart = nullptr;
    BrowserPane* wbrHY = nullptr;
    BrowserPane* wbrRealTimeRessources = nullptr;
};

} // namespace td
