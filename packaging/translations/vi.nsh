; The installer's and uninstaller's own texts in Vietnamese (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_VIETNAMESE} "Quenby vẫn đang chạy và không thể thoát."
LangString STILL_RUNNING_BOX ${LANG_VIETNAMESE} "Quenby vẫn đang chạy và không thể thoát.$\r$\n$\r$\nHãy thoát Quenby (trong menu vùng thông báo, chọn Thoát trình tối ưu RAM; và đóng cửa sổ bảng quản lý), rồi chọn Thử lại."
LangString STILL_RUNNING_ABORT ${LANG_VIETNAMESE} "Quenby vẫn đang chạy; chưa có gì bị thay đổi."
LangString ALREADY_RUNNING ${LANG_VIETNAMESE} "Trình cài đặt hoặc trình gỡ cài đặt của Quenby đang chạy."
LangString CLOSING ${LANG_VIETNAMESE} "Đang thoát Quenby nếu Quenby đang chạy..."
LangString PANEL_LINK_DESCRIPTION ${LANG_VIETNAMESE} "Bảng quản lý Quenby: số liệu RAM và CPU cùng các tùy chọn"
LangString ENGINE_LINK_NAME ${LANG_VIETNAMESE} "Công cụ vùng thông báo Quenby"
LangString ENGINE_LINK_DESCRIPTION ${LANG_VIETNAMESE} "Khởi động công cụ vùng thông báo của Quenby, công cụ giải phóng RAM"
LangString SECTION_PROGRAM ${LANG_VIETNAMESE} "Quenby (bắt buộc)"
LangString SECTION_AUTOSTART ${LANG_VIETNAMESE} "Khởi động cùng Windows"
LangString RESTARTING_ENGINE ${LANG_VIETNAMESE} "Đang khởi động lại công cụ vùng thông báo..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_VIETNAMESE} "Công cụ vùng thông báo, bảng quản lý, ứng dụng khách dòng lệnh quenbyctl và các lối tắt trên menu Bắt đầu."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_VIETNAMESE} "Khởi động công cụ vùng thông báo khi bạn đăng nhập vào Windows."
LangString BAD_AUTOSTART ${LANG_VIETNAMESE} "Giá trị không xác định /AUTOSTART=$1: hãy dùng /AUTOSTART=1 hoặc /AUTOSTART=0."
LangString FINISH_RUN ${LANG_VIETNAMESE} "Mở bảng quản lý Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_VIETNAMESE} "Cần có quyền quản trị viên để cài đặt hoặc gỡ bỏ Quenby cho mọi người dùng của máy tính này. Hãy chạy lại với tư cách quản trị viên."
LangString FINISH_MACHINE_TEXT ${LANG_VIETNAMESE} "Quenby đã được cài đặt cho mọi người dùng của máy tính này.$\r$\n$\r$\nTrình cài đặt chưa khởi động Quenby. Hãy mở Quenby từ menu Bắt đầu. Nếu bạn đã chọn Khởi động cùng Windows, Quenby sẽ khởi động cho từng người dùng khi họ đăng nhập."
LangString FINISH_SET_ASIDE ${LANG_VIETNAMESE} "Phiên bản trước vẫn đang chạy trong phiên của một người dùng khác và sẽ tiếp tục chạy ở đó cho đến khi được thoát. Các tệp của phiên bản đó sẽ bị xóa khi bạn khởi động lại máy tính."
LangString SET_ASIDE_DETAIL ${LANG_VIETNAMESE} "$R0 đang được dùng trong phiên của một người dùng khác nên đã được đổi tên thành $R1."
LangString UNINSTALL_IN_USE ${LANG_VIETNAMESE} "Một số tệp của Quenby đang được dùng trong phiên của một người dùng khác. Các tệp này sẽ bị xóa khi bạn khởi động lại máy tính."
