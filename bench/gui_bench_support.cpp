#include "gui_bench_support.hpp"

#include "app/compose.hpp"
#include "bench_data.hpp"

#include <QTabWidget>

#include <cstdio>

namespace zelkor::bench {

void BenchDialogs::message(const Message& message) { std::fprintf(stderr, "%s\n", message.text.c_str()); }

BenchWindow::BenchWindow(int ions) {
    Compose(main);
    if (ions > 0) {
        main.set() = MakeBenchSet(ions);
        main.state().sourceKind = SourceKind::TransmitTxt;
    }
    main.show();
    finish();
}

void BenchWindow::showPage(int index) {
    child<QTabWidget>("PageControl1").setCurrentIndex(index);
    finish();
}

}  // namespace zelkor::bench
