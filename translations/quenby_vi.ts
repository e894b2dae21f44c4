<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Bản quyền © Quenby. Bảo lưu mọi quyền.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Trang web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Phiên bản: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>dành cho Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Biểu đồ RAM trống</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1% RAM trống</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>RAM trống thấp</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Vài phút một lần</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Khởi động</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu vùng thông báo</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Phím tắt</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Yêu cầu từ chương trình khác</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Đã chạy</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Không chạy: CPU đang bận</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Không chạy: đang có một lần giải phóng RAM của người dùng khác</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Không chạy: một chương trình đang chạy toàn màn hình</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Không chạy: một trong các chương trình đã chỉ định đang chạy</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Không chạy: đã tạm dừng sau một lần giải phóng không có tác dụng</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Không chạy: hơn ba phần tư RAM đang trống</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Chưa có lần giải phóng RAM nào.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Thời điểm</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Nguồn kích hoạt</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Trước (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Sau (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Đã dùng (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Giây</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>RAM trống trước khi giải phóng</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>RAM trống sau khi giải phóng</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Lượng RAM mà lần giải phóng tạm dùng rồi trả lại</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Tổng RAM: không xác định</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM khả dụng: không xác định</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Mức sử dụng CPU: không xác định</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Giải phóng RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>RAM trống mục tiêu:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>RAM trống tối thiểu:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Bật trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Không tìm thấy tệp.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Bạn không có quyền chạy tệp này.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Tệp này không phải là chương trình chạy được.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Không đủ bộ nhớ để khởi động chương trình.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Hệ thống đã từ chối khởi động chương trình (lỗi %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Không thể khởi động trình tối ưu RAM từ %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Tổng RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>RAM khả dụng: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Mức sử dụng CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM trống mục tiêu, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>RAM trống tối thiểu, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Lưu mức RAM trống mục tiêu và tối thiểu</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Mở tùy chọn</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Bật trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Tắt trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Thoát trình tối ưu RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Giới thiệu về Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Không thể dùng Ctrl+Alt+%1 làm phím tắt: bố cục bàn phím của bạn không có phím “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Không thể dùng Ctrl+Alt+%1 làm phím tắt: với bố cục bàn phím của bạn, tổ hợp này nhập ký tự “%2”, nên khi đó mọi chương trình sẽ không nhập được ký tự này nữa.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Tự động khởi động Quenby khi Windows khởi động</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Khi khởi động, giải phóng RAM sau</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB RAM khi khởi động, sau</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>giây</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Giải phóng RAM mỗi</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB mỗi</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>phút nếu RAM trống dưới</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Tạm dừng tự động giải phóng RAM khi việc này không có tác dụng</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Tạm dừng tự động giải phóng RAM khi một chương trình đang chạy toàn màn hình</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Mức sử dụng CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Tắt tính năng phát hiện mức sử dụng CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Bật tính năng phát hiện mức sử dụng CPU để Quenby không giải phóng RAM khi CPU đang bận. Xin lưu ý rằng các chương trình làm mát CPU và một số ít chương trình khác dùng phương pháp đặc biệt khiến mức sử dụng CPU luôn ở mức 100%. Trong trường hợp này, hãy tắt tính năng phát hiện mức sử dụng CPU để Quenby có thể giải phóng RAM ở bất kỳ mức sử dụng CPU nào.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Biểu tượng vùng thông báo</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Mặc định:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Khi giải phóng RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Màu chữ của biểu tượng vùng thông báo</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Hiển thị</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>trên biểu tượng vùng thông báo</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Hiển thị lượng RAM đã giải phóng</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Menu bật lên</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Giải phóng</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>MB (mục menu)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Khác</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Xóa cả Bảng tạm của Windows khi giải phóng RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Phát âm thanh cảnh báo trước khi giải phóng RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Phím tắt giải phóng RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Phím tắt để tắt/bật Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Đen</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Trắng</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Tự động</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Phần trăm mức sử dụng CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Phần trăm RAM trống</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Lượng RAM cần giải phóng khi khởi động, tính bằng MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Thời gian chờ trước khi giải phóng RAM lúc khởi động, tính bằng giây</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Lượng RAM cần giải phóng định kỳ, tính bằng MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Khoảng thời gian giữa các lần giải phóng RAM, tính bằng phút (0 là không bao giờ)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Chỉ khi RAM trống dưới mức này, tính bằng phần trăm</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Mức sử dụng CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Nội dung hiển thị trên biểu tượng vùng thông báo</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Lượng giải phóng thứ nhất trong menu vùng thông báo, tính bằng MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Lượng giải phóng thứ hai trong menu vùng thông báo, tính bằng MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Lượng giải phóng thứ ba trong menu vùng thông báo, tính bằng MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Tệp âm thanh cảnh báo</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Chọn tệp âm thanh cảnh báo</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Phím tắt giải phóng RAM: Ctrl + Alt + phím này</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Phím tắt để tắt/bật: Ctrl + Alt + phím này</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Thêm tệp</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Tệp âm thanh (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Tạm dừng tự động giải phóng RAM khi một trong các chương trình này đang chạy:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Lịch sử</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Tên tệp chương trình như Trình quản lý Tác vụ hiển thị, phân tách bằng dấu chấm phẩy.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Đã bỏ qua vì đây không phải là tên tệp chương trình: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Phím tắt giải phóng RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Phím tắt để tắt/bật Quenby: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Do quản trị viên của bạn thiết đặt</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Quản trị viên của bạn đã thiết đặt để Quenby tự động khởi động cho mọi người dùng của PC này.</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Giảm</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Tăng</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Đúng</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Sai</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Mở danh sách lựa chọn của hộp tổ hợp</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Mở</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Hiện </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>“%1” được bảo vệ chống ghi.
Bạn vẫn muốn xóa mục này không?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Bạn có chắc chắn muốn xóa “%1” không?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Danh sách vị trí và dấu trang</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Tên tệp:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Thư mục mới</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Thư mục cha</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>Thư mục &amp;mới</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Loại bỏ</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Tìm trong:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Tạo thư mục mới</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Loại tệp:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Tìm thư mục</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Hiện tệp ẩ&amp;n</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lưu như</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Không tìm thấy thư mục.
Hãy kiểm tra xem tên thư mục đã nhập có đúng không.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Thanh bên</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Dạng danh sách</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Chọn</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Xóa</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tất cả tệp (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Đổi &amp;tên</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Không thể xóa thư mục.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Thư mục:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 đã tồn tại.
Bạn có muốn thay thế không?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Tiến</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Tiến tới</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Đi tới thư mục cha</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Vị trí gần đây</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Chuyển sang dạng xem chi tiết</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Tạo thư mục mới</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Dạng chi tiết</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Không tìm thấy tệp.
Hãy kiểm tra xem tên tệp đã nhập có đúng không.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Chuyển sang dạng xem danh sách</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Kiểu</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Kích thước</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Máy tính của tôi</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Máy tính</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ngày sửa đổi</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Cắt</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Hiện chi tiết...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Giới thiệu về Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Ẩn chi tiết...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Giới thiệu về Qt&lt;/h3&gt;&lt;p&gt;Chương trình này dùng Qt phiên bản %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt là bộ công cụ C++ để phát triển ứng dụng đa nền tảng.&lt;/p&gt;&lt;p&gt;Qt cho phép dùng cùng một mã nguồn trên mọi hệ điều hành máy tính để bàn chính. Qt cũng có sẵn cho Linux nhúng và các hệ điều hành nhúng và di động khác.&lt;/p&gt;&lt;p&gt;Qt được cung cấp theo nhiều hình thức cấp phép, nhằm đáp ứng nhu cầu của nhiều đối tượng người dùng khác nhau.&lt;/p&gt;&lt;p&gt;Qt theo thỏa thuận giấy phép thương mại của chúng tôi phù hợp để phát triển phần mềm độc quyền/thương mại khi bạn không muốn chia sẻ mã nguồn với bên thứ ba hoặc không thể tuân thủ các điều khoản của GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt theo giấy phép GNU (L)GPL phù hợp để phát triển ứng dụng&amp;nbsp;Qt, miễn là bạn có thể tuân thủ các điều khoản và điều kiện của giấy phép tương ứng.&lt;/p&gt;&lt;p&gt;Vui lòng xem &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; để biết tổng quan về việc cấp phép Qt.&lt;/p&gt;&lt;p&gt;Bản quyền (C) %1 The Qt Company Ltd và những người đóng góp khác.&lt;/p&gt;&lt;p&gt;Qt và biểu trưng Qt là nhãn hiệu của The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt là sản phẩm của The Qt Company Ltd, được phát triển dưới dạng một dự án nguồn mở. Xem &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; để biết thêm thông tin.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hủy bỏ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Khôi phục mặc định</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Bỏ qua</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Khôn&amp;g cho tất cả</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lưu tất cả</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Loại bỏ</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Có cho &amp;tất cả</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Khởi động lại</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Ngủ</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Tắt máy</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Xóa bảng tạm</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Giải phóng RAM thủ công
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Tùy chọn...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Tắt trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Bật trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Thoát trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Bạn có muốn khởi động lại máy tính ngay bây giờ không?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Bạn có muốn chuyển máy tính sang chế độ ngủ ngay bây giờ không?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Bạn có muốn tắt máy tính ngay bây giờ không?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Xác nhận</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Trình tối ưu RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>RAM trống: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Mức sử dụng CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess không thành công (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Đã giải phóng %1 MB RAM, hiện còn trống %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Không giải phóng được chút RAM nào</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Không thể khởi động lại Windows (lỗi %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Không thể chuyển máy tính sang chế độ ngủ (lỗi %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Không thể tắt máy (lỗi %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Phím tắt không dùng được</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Không thể đăng ký phím tắt Ctrl+Alt+%1: một chương trình khác đang dùng phím tắt này.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Chưa đăng ký phím tắt Ctrl+Alt+%1: với bố cục bàn phím của bạn, tổ hợp này nhập ký tự “%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Chưa đăng ký phím tắt Ctrl+Alt+%1: bố cục bàn phím của bạn không có phím này.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Máy tính này dùng Modern Standby, chế độ mà chỉ chính Windows mới có thể bắt đầu: để chuyển máy tính sang chế độ ngủ, hãy nhấn nút nguồn của máy hoặc chọn Nguồn &gt; Ngủ trong menu Bắt đầu.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Máy tính này có thể không chuyển sang chế độ ngủ được và thay vào đó, Windows có thể chuyển máy tính sang chế độ ngủ đông. Bạn có muốn tiếp tục không?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby vẫn đang chạy và không thể thoát.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby vẫn đang chạy và không thể thoát.

Hãy thoát Quenby (trong menu vùng thông báo, chọn Thoát trình tối ưu RAM; và đóng cửa sổ bảng quản lý), rồi chọn Thử lại.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby vẫn đang chạy; chưa có gì bị thay đổi.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Trình cài đặt hoặc trình gỡ cài đặt của Quenby đang chạy.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Đang thoát Quenby nếu Quenby đang chạy...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Bảng quản lý Quenby: số liệu RAM và CPU cùng các tùy chọn</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Công cụ vùng thông báo Quenby</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Khởi động công cụ vùng thông báo của Quenby, công cụ giải phóng RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (bắt buộc)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Khởi động cùng Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Đang khởi động lại công cụ vùng thông báo...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Công cụ vùng thông báo, bảng quản lý, ứng dụng khách dòng lệnh quenbyctl và các lối tắt trên menu Bắt đầu.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Khởi động công cụ vùng thông báo khi bạn đăng nhập vào Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Giá trị không xác định /AUTOSTART=%1: hãy dùng /AUTOSTART=1 hoặc /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Mở bảng quản lý Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Cần có quyền quản trị viên để cài đặt hoặc gỡ bỏ Quenby cho mọi người dùng của máy tính này. Hãy chạy lại với tư cách quản trị viên.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby đã được cài đặt cho mọi người dùng của máy tính này.

Trình cài đặt chưa khởi động Quenby. Hãy mở Quenby từ menu Bắt đầu. Nếu bạn đã chọn Khởi động cùng Windows, Quenby sẽ khởi động cho từng người dùng khi họ đăng nhập.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Phiên bản trước vẫn đang chạy trong phiên của một người dùng khác và sẽ tiếp tục chạy ở đó cho đến khi bị đóng. Các tệp của phiên bản đó sẽ bị xóa khi bạn khởi động lại máy tính.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 đang được dùng trong phiên của một người dùng khác nên đã được đổi tên thành %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Một số tệp của Quenby đang được dùng trong phiên của một người dùng khác. Các tệp này sẽ bị xóa khi bạn khởi động lại máy tính.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 trên Windows 10 và Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>RAM trống mục tiêu (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Thiết đặt “%1” của Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>ba phần tư số MB RAM đã cài đặt</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Từ %1 đến %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>số MB RAM đã cài đặt chia cho %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Khi không có chính sách: %1, trừ khi người dùng đã chọn khác.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Chính sách máy tính được ưu tiên hơn chính sách người dùng, và cả hai đều được ưu tiên hơn lựa chọn của chính người dùng; khi đó bảng quản lý sẽ hiển thị “Do quản trị viên của bạn thiết đặt”. Khi chính sách ở trạng thái Chưa cấu hình, lựa chọn của chính người dùng sẽ được áp dụng.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>RAM trống tối thiểu (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Giải phóng RAM khi khởi động</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Đã bật: bật (1). Đã tắt: tắt (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Lượng RAM cần giải phóng khi khởi động (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Thời gian chờ trước khi giải phóng RAM lúc khởi động (giây)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Lượng RAM cần giải phóng định kỳ (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Khoảng thời gian giữa các lần giải phóng RAM (phút, 0 là không bao giờ)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Ngưỡng phần trăm RAM trống cho việc giải phóng RAM định kỳ</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Tắt tính năng phát hiện mức sử dụng CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Màu chữ của biểu tượng vùng thông báo</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Đen</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Trắng</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Tự động</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Một trong các giá trị: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Nội dung hiển thị trên biểu tượng vùng thông báo</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Phần trăm mức sử dụng CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Phần trăm RAM trống</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Lượng giải phóng thứ nhất trong menu vùng thông báo (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Lượng giải phóng thứ hai trong menu vùng thông báo (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Lượng giải phóng thứ ba trong menu vùng thông báo (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Xóa cả bảng tạm khi giải phóng RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Phát âm thanh cảnh báo trước khi giải phóng RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Tệp âm thanh cảnh báo</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Đường dẫn đầy đủ, tối đa %1 ký tự.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Phím tắt giải phóng RAM (Ctrl + Alt + phím có mã này)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Phím tắt để tắt/bật (Ctrl + Alt + phím có mã này)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Hiển thị lượng RAM đã giải phóng</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Tạm dừng tự động giải phóng RAM khi việc này không có tác dụng</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Tạm dừng tự động giải phóng RAM khi một chương trình đang chạy toàn màn hình</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Tạm dừng tự động giải phóng RAM khi một trong các chương trình này đang chạy</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Tên tệp chương trình, phân tách bằng dấu chấm phẩy, ví dụ game.exe;obs64.exe, tối đa %1 ký tự.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Tự động khởi động Quenby khi Windows khởi động</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Đã bật: công cụ vùng thông báo khởi động khi người dùng đăng nhập vào Windows. Đã tắt: công cụ không khởi động. Khi khởi động, công cụ sẽ điều chỉnh mục khởi động của người dùng cho khớp với thiết đặt này.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Thiết đặt của trình tối ưu RAM Quenby</translation>
    </message>
</context>
</TS>
