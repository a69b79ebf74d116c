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

// The distribution and parts quotations.
inline constexpr const char* kWeeks = "Weeks";
inline constexpr const char* kPartNumber = "Part Number";
inline constexpr const char* kProposalTotal = "Proposal Total:";

// The project heading block of the internal reports.
inline constexpr const char* kProjectName = "Project Name:";
inline constexpr const char* kRepName = "Rep Name:";
inline constexpr const char* kOffice = "Office:";
inline constexpr const char* kPreparedBy = "Prepared by:";
inline constexpr const char* kQuoteDate = "Quote Date:";
inline constexpr const char* kBidDateAndTime = "Bid Date and Time:";

// Column headings of the internal reports.
inline constexpr const char* kSize = "Size";
inline constexpr const char* kType = "Type";
inline constexpr const char* kMC = "MC";
inline constexpr const char* kClass = "Class";
inline constexpr const char* kOperator = "Operator";
inline constexpr const char* kAccessories = "Accessories";
inline constexpr const char* kWeight = "Weight";
inline constexpr const char* kCost = "Cost";
inline constexpr const char* kCostExt = "CostExt";
inline constexpr const char* kList = "List";
inline constexpr const char* kMult = "Mult";
inline constexpr const char* kNet = "Net";
inline constexpr const char* kNetExt = "NetExt";
inline constexpr const char* kExtNet = "Ext Net";
inline constexpr const char* kFinal = "Final";
inline constexpr const char* kFinalExt = "FinalExt";
inline constexpr const char* kMargin = "Margin";
inline constexpr const char* kBuyOut = "Buy Out";
inline constexpr const char* kExtBuyOut = "Ext Buy Out";
inline constexpr const char* kCommJob = "Comm (Job)";
inline constexpr const char* kComm = "Comm";
inline constexpr const char* kExtComm = "Ext Comm";

// The item cost development sheet's item blocks.
inline constexpr const char* kItemPrefix = "Item: ";
inline constexpr const char* kQtyPrefix = "Qty: ";
inline constexpr const char* kTypePrefix = "Type: ";
inline constexpr const char* kPlantPrefix = "Plant: ";
inline constexpr const char* kPCPrefix = "PC: ";
inline constexpr const char* kECPrefix = "EC: ";
inline constexpr const char* kLeadTimePrefix = "Lead Time: ";
inline constexpr const char* kBuyOutAfterDelivery = "         Buy Out: ";
inline constexpr const char* kBuyOutAfterWeeks = " Weeks        Buy Out: ";
inline constexpr const char* kFreightPrefix = "Freight: ";
inline constexpr const char* kLbsAt = " lbs at ";
inline constexpr const char* kPerCWT = "/C.W.T";
inline constexpr const char* kFreightLabel = "Freight:";
inline constexpr const char* kFinalLabel = "Final:";

// Totals and closing lines of the internal reports.
inline constexpr const char* kPercent = " %";
inline constexpr const char* kTotal = "Total";
inline constexpr const char* kTotalFreightAmount = "Total Freight Amount: ";
inline constexpr const char* kTotalJobWithFreight = "Total Job with Freight:";
inline constexpr const char* kTotalExtendedFreight = "Total Extended Freight:";
inline constexpr const char* kSharePurchaseOrder = "Purchase Order @ 30%  =  ";
inline constexpr const char* kShareEngineering = "Engineering @ 30%  =  ";
inline constexpr const char* kShareInfluence = "Influence @ 20%  =  ";
inline constexpr const char* kShareTerritory = "Territory @ 20%  =  ";

// The purchase order.
inline constexpr const char* kFob = "FOB:";
inline constexpr const char* kShipVia = "Ship Via:";
inline constexpr const char* kShipTo = "Ship To:";
inline constexpr const char* kBillTo = "Bill To:";
inline constexpr const char* kPurchaseOrder = "Purchase Order:";
inline constexpr const char* kPODate = "PO Date:";
inline constexpr const char* kRequestDate = "Request Date:";
inline constexpr const char* kTotalNet = "Total Net:";
inline constexpr const char* kShippingNotes = "Shipping Notes";
}  // namespace RptMsg
