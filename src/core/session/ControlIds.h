// Ids of the main window's controls and menu commands.
#pragma once

namespace ctl {
constexpr int SavePathBox = 1000;
constexpr int AddressBox = 1001;
constexpr int SiteSelector = 1002;
constexpr int AlbumGrid = 1003;
constexpr int GetAlbumsButton = 1004;
constexpr int DownloadButton = 1005;
constexpr int ProgressLine = 1006; // status line 2
constexpr int SetPathButton = 1007;
constexpr int OpenPathButton = 1008;
constexpr int StatusLine = 1009; // status line 1
constexpr int AlbumFrame = 1011;
constexpr int SelectAllBox = 1012;
constexpr int StartupNotice = 1013;
constexpr int ThumbnailBox = 1014;
constexpr int GoodReviewLink = 1027;
constexpr int GoodReviewLink2 = 1028;
constexpr int DiscoveryOrderLink = 1029;
constexpr int UpdateLink = 1030;
constexpr int NoticeLine = 1031;
constexpr int MakerLink = 1032;
constexpr int FindLink = 1034;
constexpr int SubSiteBox = 1035;
constexpr int FilterLink = 1036;
constexpr int ExportLink = 1037;
} // namespace ctl

namespace cmd {
constexpr int About = 16; // system menu item
constexpr int Feedback = 32772;
constexpr int Consultation = 32773;
constexpr int SkipDownloaded = 32774;
constexpr int VersionInfo = 32775;
constexpr int LargePictures = 32776;
constexpr int DownloadSettings = 32778;
constexpr int FileNameSettings = 32779;
constexpr int LoginQq = 32781;
constexpr int LoginTencentWeibo = 32782;
constexpr int LoginBaidu = 32789;
constexpr int LoginNetEase = 32790;
constexpr int LoginRenren = 32791;
constexpr int LoginYupoo = 32792;
constexpr int LoginMoko = 32793;
constexpr int LoginSinaWeibo = 32794;
constexpr int LoginCustom = 32795;
constexpr int FixOrder = 32799;
constexpr int FixFormat = 32800;
constexpr int ThunderListOnly = 32802;
constexpr int LoginTaobao = 32803;
constexpr int NameFile = 32804;
constexpr int Instructions = 32806;
constexpr int FileProcessing = 32807;
constexpr int MainPicturesOnly = 32808;
constexpr int ExportDownloadFile = 32809;
constexpr int ExportThunderList = 32810;
constexpr int ImportDownloadFile = 32811;
constexpr int OpenFolderAfter = 32812;
constexpr int Login56 = 32813;
constexpr int DescriptionPicturesOnly = 32814;
constexpr int LoginHupu = 32815;
} // namespace cmd
