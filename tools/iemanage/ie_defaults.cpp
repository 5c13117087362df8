#include "tools/iemanage/ie_defaults.h"

namespace {

// The browser maker's portal and web site: what a fresh installation points its pages at.
#define QS_IE_PORTAL L"http://www.msn.com"
#define QS_IE_SITE L"http://www.microsoft.com"

const wchar_t kMain[] = L"\\Software\\Microsoft\\Internet Explorer\\Main";
const wchar_t kSearch[] = L"\\Software\\Microsoft\\Internet Explorer\\Search";
const wchar_t kSearchUrl[] = L"\\Software\\Microsoft\\Internet Explorer\\SearchUrl";
const wchar_t kAboutUrls[] = L"\\Software\\Microsoft\\Internet Explorer\\AboutURLs";

const wchar_t kControlPanel[] = L"\\Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel";
const wchar_t kRestrictions[] = L"\\Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions";
const wchar_t kInfodelivery[] = L"\\Software\\Policies\\Microsoft\\Internet Explorer\\Infodelivery\\Restrictions";
const wchar_t kPolicies[] = L"\\Software\\Policies\\Microsoft\\Internet Explorer";
const wchar_t kExplorerPolicies[] = L"\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

}  // namespace

const std::array<TStrRecoverItem, 24> IEStringDefaults = {{
    {L"Start Page", HKEY_CURRENT_USER, kMain, L"Start Page", QS_IE_PORTAL, 1},
    {L"Search Page", HKEY_CURRENT_USER, kMain, L"Search Page", QS_IE_SITE L"/isapi/redir.dll?prd=ie&ar=iesearch", 1},
    {L"Default Page URL", HKEY_CURRENT_USER, kMain, L"Default_Page_URL",
     QS_IE_SITE L"/isapi/redir.dll?prd=ie&pver=6&ar=msnhome", 1},
    {L"Local Page", HKEY_CURRENT_USER, kMain, L"Local Page", L"%SystemRoot%\\system32\\blank.htm", 1},
    {L"Search Bar", HKEY_CURRENT_USER, kMain, L"Search Bar", QS_IE_SITE L"/search/lobby/search.asp", 1},
    {L"Default Search URL", HKEY_CURRENT_USER, kMain, L"Default_Search_URL", QS_IE_SITE L"/search/search.asp", 1},
    {L"Start Page(all users)", HKEY_LOCAL_MACHINE, kMain, L"Start Page", QS_IE_PORTAL, 1},
    {L"Search Page(all users)", HKEY_LOCAL_MACHINE, kMain, L"Search Page",
     QS_IE_SITE L"/isapi/redir.dll?prd=ie&ar=iesearch", 1},
    {L"Default Page URL(all users)", HKEY_LOCAL_MACHINE, kMain, L"Default_Page_URL",
     QS_IE_SITE L"/isapi/redir.dll?prd=ie&pver=6&ar=msnhome", 1},
    {L"Local Page(all users)", HKEY_LOCAL_MACHINE, kMain, L"Local Page", L"%SystemRoot%\\system32\\blank.htm", 1},
    {L"Search Bar(all users)", HKEY_LOCAL_MACHINE, kMain, L"Search Bar", QS_IE_SITE L"/search/lobby/search.asp", 1},
    {L"Default Search URL(all users)", HKEY_LOCAL_MACHINE, kMain, L"Default_Search_URL",
     QS_IE_SITE L"/search/search.asp", 1},
    {L"Customize Search(all users)", HKEY_LOCAL_MACHINE, kSearch, L"CustomizeSearch",
     QS_IE_SITE L"/{SUB_RFC1766}/srchasst/srchcust.htm", 1},
    {L"Search Assistant(all users)", HKEY_LOCAL_MACHINE, kSearch, L"SearchAssistant",
     QS_IE_SITE L"/{SUB_RFC1766}/srchasst/srchasst.htm", 1},
    {L"Search URL", HKEY_CURRENT_USER, kSearchUrl, L"", QS_IE_SITE L"/access/autosearch.asp?p=%s", 1},
    {L"Search URL(all users)", HKEY_LOCAL_MACHINE, kMain, L"", QS_IE_SITE L"/access/autosearch.asp?p=%s", 1},
    {L"Blank Page", HKEY_LOCAL_MACHINE, kAboutUrls, L"blank", L"res://mshtml.dll/blank.htm", 1},
    {L"Desktop Navigation Failure", HKEY_LOCAL_MACHINE, kAboutUrls, L"DesktopItemNavigationFailure",
     L"res://shdoclc.dll/navcancl.htm", 1},
    {L"Navigation Canceled", HKEY_LOCAL_MACHINE, kAboutUrls, L"NavigationCanceled", L"res://shdoclc.dll/navcancl.htm",
     1},
    {L"Navigation Failure", HKEY_LOCAL_MACHINE, kAboutUrls, L"NavigationFailure", L"res://shdoclc.dll/navcancl.htm", 1},
    {L"Offline Infomation", HKEY_LOCAL_MACHINE, kAboutUrls, L"OfflineInformation", L"res://shdoclc.dll/offcancl.htm",
     1},
    {L"Post Not Cached", HKEY_LOCAL_MACHINE, kAboutUrls, L"PostNotCached", L"res://mshtml.dll/repost.htm", 1},
    {L"Navigation Window Title", HKEY_CURRENT_USER, kMain, L"Window Title", L"Microsoft Internet Explorer", 1},
    {L"Navigation Window Title(all users)", HKEY_LOCAL_MACHINE, kMain, L"Window Title", L"Microsoft Internet Explorer",
     1},
}};

const std::array<TDWORDRecoverItem, 44> IERestrictionDefaults = {{
    {L"禁用的“常规”选项卡", HKEY_CURRENT_USER, kControlPanel, L"GeneralTab", 0, 2},
    {L"禁用的“安全”选项卡", HKEY_CURRENT_USER, kControlPanel, L"SecurityTab", 0, 2},
    {L"禁用的“隐私”选项卡", HKEY_CURRENT_USER, kControlPanel, L"PrivacyTab", 0, 2},
    {L"禁用的“内容”选项卡", HKEY_CURRENT_USER, kControlPanel, L"ContentTab", 0, 2},
    {L"禁用的“连接”选项卡", HKEY_CURRENT_USER, kControlPanel, L"ConnectionsTab", 0, 2},
    {L"禁用的“程序”选项卡", HKEY_CURRENT_USER, kControlPanel, L"ProgramsTab", 0, 2},
    {L"禁用的“高级”选项卡", HKEY_CURRENT_USER, kControlPanel, L"AdvancedTab", 0, 2},
    {L"禁用的更改主页设置", HKEY_CURRENT_USER, kControlPanel, L"HomePage", 0, 2},
    {L"禁用的更改Internet临时文件夹位置", HKEY_CURRENT_USER, kControlPanel, L"Cache", 0, 2},
    {L"禁用的更改历史纪录设置", HKEY_CURRENT_USER, kControlPanel, L"History", 0, 2},
    {L"禁用的更改颜色设置", HKEY_CURRENT_USER, kControlPanel, L"Colors", 0, 2},
    {L"禁用的更改链接颜色设置", HKEY_CURRENT_USER, kControlPanel, L"links", 0, 2},
    {L"禁用的更改字体设置", HKEY_CURRENT_USER, kControlPanel, L"Fonts", 0, 2},
    {L"禁用的更改语言设置", HKEY_CURRENT_USER, kControlPanel, L"Languages", 0, 2},
    {L"禁用的辅助功能设置", HKEY_CURRENT_USER, kControlPanel, L"Accessibility", 0, 2},
    {L"禁用的更改分级设置", HKEY_CURRENT_USER, kControlPanel, L"Ratings", 0, 2},
    {L"禁用的更改证书设置", HKEY_CURRENT_USER, kControlPanel, L"Certificates", 0, 2},
    {L"禁用的自动表单完成设置", HKEY_CURRENT_USER, kControlPanel, L"FormSuggest", 0, 2},
    {L"禁用的自动完成保存密码", HKEY_CURRENT_USER, kControlPanel, L"FormSuggest Passwords", 0, 2},
    {L"禁用的更改配置文件助理设置", HKEY_CURRENT_USER, kControlPanel, L"Profiles", 0, 2},
    {L"禁用的Internet连接向导", HKEY_CURRENT_USER, kControlPanel, L"Connwiz Admin Lock", 0, 2},
    {L"禁用的更改连接设置", HKEY_CURRENT_USER, kControlPanel, L"Connection Settings", 0, 2},
    {L"禁用的更改局域网设置中的自动配置设置", HKEY_CURRENT_USER, kControlPanel, L"Autoconfig", 0, 2},
    {L"禁用的更改局域网设置中的代理服务器设置", HKEY_CURRENT_USER, kControlPanel, L"Proxy", 0, 2},
    {L"禁用的更改电子邮件、新闻组合Internet呼叫设置", HKEY_CURRENT_USER, kControlPanel, L"Messaging", 0, 2},
    {L"禁用的更改日历和联系人设置", HKEY_CURRENT_USER, kControlPanel, L"CalendarContact", 0, 2},
    {L"禁用的重置Web设置", HKEY_CURRENT_USER, kControlPanel, L"ResetWebSettings", 0, 2},
    {L"禁用的更改默认浏览器检查", HKEY_CURRENT_USER, kControlPanel, L"Check_If_Default", 0, 2},
    {L"禁用的更改高级页面设置", HKEY_CURRENT_USER, kControlPanel, L"Advanced", 0, 2},
    {L"禁用的鼠标右键菜单", HKEY_CURRENT_USER, kRestrictions, L"NoBrowserContextMenu", 0, 2},
    {L"禁用的\"在新窗口中打开\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoOpeninNewWnd", 0, 2},
    {L"禁用的\"目标另存为\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoSelectDownloadDir", 0, 2},
    {L"隐藏的收藏夹", HKEY_CURRENT_USER, kRestrictions, L"NoFavorites", 0, 2},
    {L"禁用的\"文件\"菜单的\"新建\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoFileNew", 0, 2},
    {L"禁用的\"文件\"菜单的\"打开\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoFileOpen", 0, 2},
    {L"禁用的\"文件\"菜单的\"另存为\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoBrowserSaveAs", 0, 2},
    {L"禁用的\"文件\"菜单的关闭浏览器和资源管理器窗口", HKEY_CURRENT_USER, kRestrictions, L"NoBrowserClose", 0, 2},
    {L"禁用的\"工具\"菜单的\"Internet选项\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoBrowserOptions", 0, 2},
    {L"禁用的\"查看\"菜单的\"源文件\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoViewSource", 0, 2},
    {L"禁用的\"查看\"菜单的\"全屏显示\"菜单项", HKEY_CURRENT_USER, kRestrictions, L"NoTheaterMode", 0, 2},
    {L"禁用的\"文件\"菜单的\"另存为网页, 全部格式\"菜单项", HKEY_CURRENT_USER, kInfodelivery,
     L"NoBrowserSaveWebComplete", 0, 2},
    {L"禁用的导入和导出收藏夹项", HKEY_CURRENT_USER, kPolicies, L"DisableImportExportFavorites", 0, 2},
    {L"禁用的自定义IE工具栏按钮", HKEY_CURRENT_USER, kExplorerPolicies, L"NoToolbarCustomize", 0, 2},
    {L"禁用的自定义IE工具栏", HKEY_CURRENT_USER, kExplorerPolicies, L"NoBandCustomize", 0, 2},
}};
