// The texts the printed reports show: labels, titles and fixed lines.
#pragma once

namespace RptMsg {
// Page furniture.
inline constexpr const char* kPageOf = "Page %d of %d";
inline constexpr const char* kRev = " Rev ";

// Later-page titles and page-1 headings of the reports.
inline constexpr const char* kTitleProposal = "Proposal Number: ";
inline constexpr const char* kTitlePurchaseOrder = "Purchase Order: ";
inline constexpr const char* kTitleProposalSummary = "Proposal Summary: ";
inline constexpr const char* kTitleICDS = "Item Cost Development Sheet: ";
inline constexpr const char* kTitleCommission = "Commission: ";
inline constexpr const char* kTitleSellPrice = "Project Sell Price: ";
inline constexpr const char* kHeadingPurchaseOrder = "Purchase Order";
inline constexpr const char* kHeadingProposalSummary = "Proposal Summary";
inline constexpr const char* kHeadingICDS = "Item Cost Development Sheet";
inline constexpr const char* kHeadingCommission = "Commission";
inline constexpr const char* kHeadingSellPrice = "Project Sell Price";

// The quotation letters' addressee and heading block.
inline constexpr const char* kTo = "To:";
inline constexpr const char* kAttn = "Attn: ";
inline constexpr const char* kPhone = "Phone: ";
inline constexpr const char* kFax = "Fax: ";
inline constexpr const char* kDate = "Date:";
inline constexpr const char* kProposalNumber = "Proposal Number:";
inline constexpr const char* kCorvNo = "Corv No:";
inline constexpr const char* kInquiryNumber = "Inquiry Number:";
inline constexpr const char* kEngineer = "Engineer:";
inline constexpr const char* kBidDate = "Bid Date:";
inline constexpr const char* kProject = "Project:";
inline constexpr const char* kLocation = "Location:";

// Item table.
inline constexpr const char* kItem = "Item";
inline constexpr const char* kQty = "Qty";
inline constexpr const char* kDescription = "Description";
inline constexpr const char* kUnitPrice = "Unit Price";
inline constexpr const char* kExtended = "Extended";
inline constexpr const char* kOverflow = "**********";
inline constexpr const char* kDollar = "$ ";
inline constexpr const char* kLumpSum = "The lump sum price for the above listed items is:";
// The marketing group whose letters use the alternative descriptions and no logo.
inline constexpr const char* kAltGroup = "Kestrom";

// Closing blocks.
inline constexpr const char* kStartUp = "Start-up assistance: ";
inline constexpr const char* kCommercialTerms = "Commercial Terms:";
inline constexpr const char* kFobPoint = "FOB Point";
inline constexpr const char* kFreightTerms = "Freight Terms";
inline constexpr const char* kPaymentTerms = "Payment Terms";
inline constexpr const char* kPriceValidity = "Price Validity";
inline constexpr const char* kLeadTime = "Lead Time";
inline constexpr const char* kPackaging = "Packaging";
inline constexpr const char* kColon = ":";
inline constexpr const char* kContactRep =
    "If you have any questions regarding this proposal, please contact our local sales representative:";
inline constexpr const char* kRepFax = "FAX: ";
inline constexpr const char* kSincerely = "Sincerely,";
inline constexpr const char* kCc = "cc: ";
}  // namespace RptMsg
