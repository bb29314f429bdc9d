// The Expression page: variables, expression and result, the details report, the expression
// history, variables files, and the balloon tips over the two input boxes.
#pragma once

#include <string>

#include "balloon_tip.h"
#include "controls.h"
#include "file_encoding.h"
#include "property_page.h"

class CTuvPage1 : public CPropertyPage {
public:
    CTuvPage1();
    ~CTuvPage1() override;

    HFONT m_fontResult = nullptr;
    HFONT m_fontInput = nullptr;
    CBalloonTip m_tip;
    CButton m_ctlExpressionFrame;
    CEdit m_ctlDetails;
    CEdit m_ctlVariables;
    CEdit m_ctlResult;
    CComboBox m_ctlExpression;
    std::string m_strExpression;
    std::string m_strResult;
    std::string m_strVariables;
    std::string m_strDetails;
    int m_bDetails;
    int m_bTips;

    BOOL PreTranslateMessage(MSG* msg) override;

    void OnEvaluate();
    void OnOpen();
    void OnSave();
    void OnNew();
    void OnDetails();
    void OnTips();

    void LoadHistory(CComboBox& box);
    void AddToHistory(CComboBox& box);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // Shows the standard open or save dialog; false when the user cancels.
    bool AskForFile(bool save, std::string& path);

    FileEncoding m_encoding;  // the form of the file the variables came from, for saving them
    CFocusKeepingButton m_btnEvaluate;

};
