# Two commands: `make run` and `make test`. Both install the Debian packages they miss when run as
# root; otherwise they print the apt-get line to run and stop.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)

RUN_PACKAGES := cmake g++ make qtbase5-dev fonts-wqy-microhei
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xauth x11-utils trayer xdotool

# $(call ensure-packages,LIST)
define ensure-packages
@missing=""; \
for package in $(1); do \
    dpkg-query -W -f='$${Status}\n' $$package 2>/dev/null | grep -q '^install ok installed$$' \
        || missing="$$missing $$package"; \
done; \
if [ -n "$$missing" ]; then \
    if [ "$$(id -u)" = 0 ]; then \
        echo "Installing:$$missing"; \
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
    else \
        echo "Some packages are missing. Install them with:"; \
        echo "    sudo apt-get install$$missing"; \
        exit 1; \
    fi; \
fi
endef

.PHONY: run test build run-packages test-packages

run: run-packages
	cmake -S . -B $(BUILD_DIR) -DBUILD_TESTING=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)
	$(BUILD_DIR)/bin/ostrelo

test: test-packages
	cmake -S . -B $(BUILD_DIR) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run-packages:
	$(call ensure-packages,$(RUN_PACKAGES))

test-packages:
	$(call ensure-packages,$(TEST_PACKAGES))
