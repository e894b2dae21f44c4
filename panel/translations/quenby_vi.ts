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
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Trang web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Phiên bản: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Bật trình tối ưu RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Hệ thống đã từ chối khởi động chương trình (lỗi %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Không thể khởi động trình tối ưu RAM từ %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Tổng RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM khả dụng: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Mức sử dụng CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>RAM trống mục tiêu, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Không thể dùng Ctrl+Alt+%1 làm phím tắt: bố cục bàn phím của bạn không có phím “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Khi khởi động, giải phóng RAM sau</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB RAM khi khởi động, sau</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>giây</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Giải phóng RAM mỗi</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB mỗi</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Mặc định:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Khi giải phóng RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Màu chữ của biểu tượng vùng thông báo</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Hiển thị</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Giải phóng</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Phím tắt giải phóng RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Phím tắt để tắt/bật Quenby: Ctrl + Alt +</translation>
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
</TS>
