# Install rules (placeholder)
